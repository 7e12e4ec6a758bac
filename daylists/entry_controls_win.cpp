#include "daylists/entry_controls_win.h"

#include <commctrl.h>

#include "common/utf16_win.h"
#include "controls/spin_edit_win.h"
#include "daylists/day_list_ids.h"

namespace zenka {
namespace {

struct NumberBox {
    int edit;
    int upDown;
    const SpinRange& range;
};

const NumberBox kNumberBoxes[] = {
    {IDC_ENTRY_YEAR, IDC_ENTRY_YEAR_SPIN, kYearBox},
    {IDC_ENTRY_MONTH, IDC_ENTRY_MONTH_SPIN, kMonthBox},
    {IDC_ENTRY_DAY, IDC_ENTRY_DAY_SPIN, kDayBox},
    {IDC_ENTRY_WEEK_MONTH, IDC_ENTRY_WEEK_MONTH_SPIN, kMonthBox},
    {IDC_ENTRY_WEEK_NUMBER, IDC_ENTRY_WEEK_NUMBER_SPIN, kWeekNumberBox},
};

const int kYearControls[] = {IDC_ENTRY_YEAR, IDC_ENTRY_YEAR_SPIN, IDC_ENTRY_YEAR_LABEL, IDC_ENTRY_YEAR_MODE};
const int kDateFormControls[] = {IDC_ENTRY_MONTH, IDC_ENTRY_MONTH_SPIN, IDC_ENTRY_MONTH_LABEL,
                                 IDC_ENTRY_DAY,   IDC_ENTRY_DAY_SPIN,   IDC_ENTRY_DAY_LABEL};
const int kWeekFormControls[] = {IDC_ENTRY_WEEK_MONTH,  IDC_ENTRY_WEEK_MONTH_SPIN,  IDC_ENTRY_WEEK_MONTH_LABEL,
                                 IDC_ENTRY_WEEK_NUMBER, IDC_ENTRY_WEEK_NUMBER_SPIN, IDC_ENTRY_WEEKDAY,
                                 IDC_ENTRY_WEEKDAY_LABEL};

bool Checked(HWND parent, int id) { return IsDlgButtonChecked(parent, id) == BST_CHECKED; }

void Enable(HWND parent, const int* ids, size_t count, bool enabled) {
    for (size_t i = 0; i < count; ++i) EnableWindow(GetDlgItem(parent, ids[i]), enabled);
}

template <size_t N>
void Enable(HWND parent, const int (&ids)[N], bool enabled) {
    Enable(parent, ids, N, enabled);
}

void FillCombo(HWND combo, const char* const* items, size_t count) {
    SendMessageW(combo, CB_RESETCONTENT, 0, 0);
    for (size_t i = 0; i < count; ++i) {
        SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(items[i]).c_str()));
    }
}

int32_t Selection(HWND parent, int id) {
    return static_cast<int32_t>(SendDlgItemMessageW(parent, id, CB_GETCURSEL, 0, 0));
}

void Select(HWND parent, int id, int32_t item) { SendDlgItemMessageW(parent, id, CB_SETCURSEL, item, 0); }

std::string TextOf(HWND control) {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
    return Narrow(text);
}

}  // namespace

void SetUpEntryControls(HWND parent) {
    FillCombo(GetDlgItem(parent, IDC_ENTRY_YEAR_MODE), kYearModeNames.data(), kYearModeNames.size());
    FillCombo(GetDlgItem(parent, IDC_ENTRY_WEEKDAY), kWeekdayNames.data(), kWeekdayNames.size());
    for (const NumberBox& box : kNumberBoxes) {
        AttachSpinField(GetDlgItem(parent, box.edit), GetDlgItem(parent, box.upDown), box.range);
    }
}

void ShowEntryControls(HWND parent, const EntryControls& c, int32_t defaultYearMode) {
    CheckDlgButton(parent, IDC_ENTRY_YEAR_CHECK, c.yearChecked ? BST_CHECKED : BST_UNCHECKED);
    SetSpinFieldValue(GetDlgItem(parent, IDC_ENTRY_YEAR), c.year);
    Select(parent, IDC_ENTRY_YEAR_MODE, c.yearMode.value_or(defaultYearMode));
    CheckRadioButton(parent, IDC_ENTRY_DATE_FORM, IDC_ENTRY_WEEK_FORM,
                     c.weekForm ? IDC_ENTRY_WEEK_FORM : IDC_ENTRY_DATE_FORM);
    SetSpinFieldValue(GetDlgItem(parent, IDC_ENTRY_MONTH), c.month);
    SetSpinFieldValue(GetDlgItem(parent, IDC_ENTRY_DAY), c.day);
    SetSpinFieldValue(GetDlgItem(parent, IDC_ENTRY_WEEK_MONTH), c.weekMonth);
    SetSpinFieldValue(GetDlgItem(parent, IDC_ENTRY_WEEK_NUMBER), c.weekNumber);
    Select(parent, IDC_ENTRY_WEEKDAY, c.weekday - 1);
    SetDlgItemTextW(parent, IDC_ENTRY_CONTENT, Widen(c.content).c_str());
    RefreshEntryEnabling(parent);
}

EntryControls ReadEntryControls(HWND parent) {
    EntryControls c;
    c.yearChecked = Checked(parent, IDC_ENTRY_YEAR_CHECK);
    c.year = SpinFieldValue(GetDlgItem(parent, IDC_ENTRY_YEAR));
    if (const int32_t mode = Selection(parent, IDC_ENTRY_YEAR_MODE); mode >= 0) c.yearMode = mode;
    c.weekForm = Checked(parent, IDC_ENTRY_WEEK_FORM);
    c.month = SpinFieldValue(GetDlgItem(parent, IDC_ENTRY_MONTH));
    c.day = SpinFieldValue(GetDlgItem(parent, IDC_ENTRY_DAY));
    c.weekMonth = SpinFieldValue(GetDlgItem(parent, IDC_ENTRY_WEEK_MONTH));
    c.weekNumber = SpinFieldValue(GetDlgItem(parent, IDC_ENTRY_WEEK_NUMBER));
    const int32_t weekday = Selection(parent, IDC_ENTRY_WEEKDAY);
    c.weekday = weekday >= 0 ? weekday + 1 : 1;
    c.content = TextOf(GetDlgItem(parent, IDC_ENTRY_CONTENT));
    return c;
}

bool IsEntryEnablingControl(int id) {
    return id == IDC_ENTRY_YEAR_CHECK || id == IDC_ENTRY_DATE_FORM || id == IDC_ENTRY_WEEK_FORM;
}

void RefreshEntryEnabling(HWND parent) {
    EntryControls c;
    c.yearChecked = Checked(parent, IDC_ENTRY_YEAR_CHECK);
    c.weekForm = Checked(parent, IDC_ENTRY_WEEK_FORM);
    const EntryEnabling enabling = EntryEnablingOf(c);
    Enable(parent, kYearControls, enabling.year);
    Enable(parent, kDateFormControls, enabling.dateForm);
    Enable(parent, kWeekFormControls, enabling.weekForm);
}

void PresetEntryControls(HWND parent, const CivilDate& date) {
    EntryControls c = ReadEntryControls(parent);
    PresetEntryControls(c, date);
    SetSpinFieldValue(GetDlgItem(parent, IDC_ENTRY_YEAR), c.year);
    SetSpinFieldValue(GetDlgItem(parent, IDC_ENTRY_MONTH), c.month);
    SetSpinFieldValue(GetDlgItem(parent, IDC_ENTRY_WEEK_MONTH), c.weekMonth);
    SetSpinFieldValue(GetDlgItem(parent, IDC_ENTRY_DAY), c.day);
    SetSpinFieldValue(GetDlgItem(parent, IDC_ENTRY_WEEK_NUMBER), c.weekNumber);
    Select(parent, IDC_ENTRY_WEEKDAY, c.weekday - 1);
}

}  // namespace zenka
