#include "settings/pages_dlg_win.h"

#include <commctrl.h>

#include <stdexcept>

#include "common/app_title.h"
#include "common/utf16_win.h"
#include "daylists/day_list_texts.h"
#include "settings/settings_ids.h"
#include "settings/settings_texts.h"
#include "settings/sync_report_text.h"

namespace zenka {
namespace {

std::string TextOf(HWND control) {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
    return Narrow(text);
}

bool IsFile(const std::string& path) {
    if (path.empty()) return false;
    const DWORD attributes = GetFileAttributesW(Widen(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

TPagesDlg::TPagesDlg(PagesHost& host, PagesDlgServices services) : host_(host), services_(std::move(services)) {}

TPagesDlg::~TPagesDlg() {
    OnDestroyed = nullptr;
    host_.CancelClockMeasurement();
    if (hwnd_) DestroyWindow(hwnd_);
}

bool TPagesDlg::Create(HWND owner) {
    if (hwnd_) return false;
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_TAB_CLASSES | ICC_UPDOWN_CLASS | ICC_BAR_CLASSES | ICC_HOTKEY_CLASS};
    InitCommonControlsEx(&icc);
    if (!CreateModeless(IDD_PAGESDLG, owner)) return false;
    ShowWindow(hwnd_, SW_SHOW);
    return true;
}

// ---- creation and loading ----

void TPagesDlg::FormCreate() {
    SetWindowTextW(hwnd_, Widen(kPagesDlgCaption).c_str());
    HWND tab = GetDlgItem(hwnd_, IDC_PAGES_TAB);
    for (size_t i = 0; i < PagesTabs().size(); ++i) {
        std::wstring caption = Widen(PagesTabs()[i].caption);
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = caption.data();
        SendMessageW(tab, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
    }
    for (size_t i = 0; i < pages_.size(); ++i) {
        DialogPage& page = *pages_[i];
        if (!page.Create(hwnd_)) throw std::runtime_error(kPageMissingText);
        const auto tabIndex = static_cast<PagesTab>(i);
        page.OnControlEvent = [this, tabIndex](int control, UINT code) { ControlEvent(tabIndex, control, code); };
    }
    alarm_.OnSlotButton = [this](int slot) { SwitchSlot(slot); };
    color_.OnResetColors = [this] { ResetColors(); };
    startup_.OnTempFolderCheckedByMouse = [this] { WarnAboutTempFolder(); };
    AttachSpinFields(Handles());
    PlacePages();
    SendMessageW(tab, TCM_SETCURSEL, 0, 0);
    ShowCurrentPage();
}

// Loading is no change: the apply button stays disabled.
void TPagesDlg::FormShow() {
    loading_ = true;
    values_ = LoadPagesValues(host_);
    ShowInControls(values_, Handles());
    alarm_.ShowSlotButton(values_.alarmSlot);
    const DayLists lists = host_.CalendarDayLists();
    tabYday_.SetLines(lists.YoteiDayList);
    tabSday_.SetLines(lists.SpecialDayList);
    tabKday_.SetLines(lists.HolidayList);
    tabKday_.SetAutoEquinox(values_.settings.koyomiJulius);
    PresetEntryControls();
    sync_.ShowSyncReport(SyncReportText(host_.LastSyncReport()));
    RefreshEnabling();
    loading_ = false;
    EnableWindow(GetDlgItem(hwnd_, IDC_APPLY), FALSE);
}

void TPagesDlg::PlacePages() {
    HWND tab = GetDlgItem(hwnd_, IDC_PAGES_TAB);
    RECT area;
    GetWindowRect(tab, &area);
    MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&area), 2);
    SendMessageW(tab, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
    for (DialogPage* page : pages_) {
        if (page->Handle()) page->Place(area);
    }
}

void TPagesDlg::ShowCurrentPage() {
    const int32_t current = CurrentTab();
    for (size_t i = 0; i < pages_.size(); ++i) pages_[i]->Show(static_cast<int32_t>(i) == current);
    // The keys go on to the tab strip rather than to a page now hidden.
    HWND focus = GetFocus();
    if (focus && IsChild(hwnd_, focus) && !IsWindowVisible(focus)) SetFocus(GetDlgItem(hwnd_, IDC_PAGES_TAB));
}

PageHandles TPagesDlg::Handles() const {
    PageHandles handles{};
    for (size_t i = 0; i < pages_.size(); ++i) handles[i] = pages_[i]->Handle();
    return handles;
}

// ---- outside calls ----

void TPagesDlg::PresetEntryControls() {
    const CivilDate date = host_.SelectedDate();
    for (DayListPage* page : {&tabYday_, &tabSday_, &tabKday_}) page->PresetEntryControls(date);
}

void TPagesDlg::BringToFront() {
    if (!hwnd_) return;
    if (IsIconic(hwnd_)) ShowWindow(hwnd_, SW_RESTORE);
    SetForegroundWindow(hwnd_);
}

bool TPagesDlg::PreTranslateMessage(MSG& msg) {
    if (!hwnd_ || (msg.hwnd != hwnd_ && !IsChild(hwnd_, msg.hwnd))) return false;
    if (msg.message == WM_KEYDOWN && GetKeyState(VK_CONTROL) < 0 &&
        (msg.wParam == VK_TAB || msg.wParam == VK_PRIOR || msg.wParam == VK_NEXT)) {
        const bool back = msg.wParam == VK_PRIOR || (msg.wParam == VK_TAB && GetKeyState(VK_SHIFT) < 0);
        SelectTab((CurrentTab() + (back ? kTabCount - 1 : 1)) % kTabCount);
        return true;
    }
    return IsDialogMessageW(hwnd_, &msg) != FALSE;
}

int32_t TPagesDlg::CurrentTab() const {
    return static_cast<int32_t>(SendDlgItemMessageW(hwnd_, IDC_PAGES_TAB, TCM_GETCURSEL, 0, 0));
}

void TPagesDlg::SelectTab(int32_t tab) {
    SendDlgItemMessageW(hwnd_, IDC_PAGES_TAB, TCM_SETCURSEL, static_cast<WPARAM>(tab), 0);
    ShowCurrentPage();
}

HWND TPagesDlg::Page(int32_t tab) const { return pages_.at(static_cast<size_t>(tab))->Handle(); }

void TPagesDlg::SelectLinesOfDate(const CivilDate& date) {
    const int32_t tab = CurrentTab();
    if (tab == kTabYotei || tab == kTabSpecial || tab == kTabHoliday) {
        DayList(static_cast<PagesTab>(tab)).SelectLinesOfDate(date);
    }
}

DayListPage& TPagesDlg::DayList(PagesTab tab) {
    return const_cast<DayListPage&>(static_cast<const TPagesDlg*>(this)->DayList(tab));
}

const DayListPage& TPagesDlg::DayList(PagesTab tab) const {
    switch (tab) {
        case kTabYotei: return tabYday_;
        case kTabSpecial: return tabSday_;
        default: return tabKday_;
    }
}

bool TPagesDlg::ApplyEnabled() const { return IsWindowEnabled(GetDlgItem(hwnd_, IDC_APPLY)) != FALSE; }

// ---- changes ----

void TPagesDlg::ControlEvent(PagesTab tab, int control, UINT code) {
    if (tab == kTabOther && control == IDC_RESTORE && code == BN_CLICKED) return Button1Click();
    if (tab == kTabSync && control == IDC_SYNC_MEASURE && code == BN_CLICKED) return MeasureClick();
    if (code == BN_CLICKED) {
        for (const SoundFileControls& sound : SoundFileButtons()) {
            if (sound.tab != tab) continue;
            if (control == sound.open) return ChooseSoundFile(pages_[tab]->Item(sound.field));
            if (control == sound.play) return PlayForTrial(pages_[tab]->Item(sound.field));
        }
    }
    const ControlBinding* binding = FindBinding(tab, control);
    if (!binding || !IsChangeNotification(*binding, code) || loading_) return;
    if (binding->marksChange) Changed();
    RefreshEnabling();
}

// The servers and the proxy as the tab shows them now, applied or not.
void TPagesDlg::MeasureClick() {
    PagesValues now = values_;
    ReadFromControls(now, Handles());
    const HWND page = sync_.Handle();
    EnableWindow(GetDlgItem(page, IDC_SYNC_MEASURE), FALSE);
    SetDlgItemTextW(page, IDC_SYNC_MEASURED, Widen(kMeasuringText).c_str());
    host_.MeasureClockFor(now.settings.sync, [page](const ClockMeasurement& measurement) {
        SetDlgItemTextW(page, IDC_SYNC_MEASURED, Widen(MeasuredText(measurement)).c_str());
        EnableWindow(GetDlgItem(page, IDC_SYNC_MEASURE), TRUE);
    });
}

void TPagesDlg::Changed() {
    if (!loading_) EnableWindow(GetDlgItem(hwnd_, IDC_APPLY), TRUE);
}

void TPagesDlg::RefreshEnabling() {
    PagesValues now = values_;
    ReadFromControls(now, Handles());
    ApplyEnabling(EnablingOf(now), Handles());
}

// The slot's values replace the alarm controls'; when they differ, that is
// a change like any other.
void TPagesDlg::SwitchSlot(int slot) {
    ReadFromControls(values_, Handles());
    const bool changed = SwitchAlarmSlot(values_, slot);
    loading_ = true;
    ShowInControls(values_, Handles(), kTabAlarm);
    alarm_.ShowSlotButton(slot);
    loading_ = false;
    if (changed) Changed();
    RefreshEnabling();
}

// Every group checks the button of its default colour.
void TPagesDlg::ResetColors() {
    ReadFromControls(values_, Handles());
    values_.settings.color = AppSettings().color;
    loading_ = true;
    ShowInControls(values_, Handles(), kTabColor);
    loading_ = false;
    Changed();
}

void TPagesDlg::WarnAboutTempFolder() {
    Message(kTempFolderWarningText, kTempFolderWarningCaption, MB_OK | MB_ICONINFORMATION);
}

void TPagesDlg::ChooseSoundFile(HWND field) {
    openDialog_.filter = kSoundFileFilter;
    // The field's change enables the apply button.
    if (RunOpenDialog()) SetWindowTextW(field, Widen(openDialog_.fileName).c_str());
}

bool TPagesDlg::RunOpenDialog() {
    return services_.runOpenDialog ? services_.runOpenDialog(hwnd_, openDialog_) : openDialog_.Execute(hwnd_);
}

void TPagesDlg::PlayForTrial(HWND field) {
    const std::string path = TextOf(field);
    if (!IsFile(path)) return;
    host_.Sound().PlaySoundFile(path);
}

// ---- apply, OK, cancel, help ----

void TPagesDlg::btnApplyClick() {
    ReadFromControls(values_, Handles());
    values_.settings.koyomiJulius = tabKday_.AutoEquinox();
    ApplyPagesValues(values_, {tabKday_.Lines(), tabSday_.Lines(), tabYday_.Lines()}, host_, *this);
}

void TPagesDlg::OKBtnClick() {
    btnApplyClick();
    AddPendingEntries();
}

// Entries typed on the day-list tabs but not added: asked about, added on
// Yes. An entry that cannot be added (a comma in it) keeps the dialog open
// with the entry still typed, so that nothing the user typed is lost.
void TPagesDlg::AddPendingEntries() {
    const bool pending = tabYday_.HasPendingEntry() || tabSday_.HasPendingEntry() || tabKday_.HasPendingEntry();
    if (!pending) return CancelBtnClick();
    switch (Message(kPendingEntriesQuestion, kApplicationTitle, MB_YESNOCANCEL | MB_ICONWARNING)) {
        case IDYES: {
            bool allAdded = true;
            for (DayListKind kind : kPendingEntryOrder) {
                DayListPage& page = DayList(kind == DayListKind::Yotei     ? kTabYotei
                                            : kind == DayListKind::Special ? kTabSpecial
                                                                           : kTabHoliday);
                allAdded = page.AddEntry() != AddOutcome::CommaInContent && allAdded;
            }
            btnApplyClick();
            if (allAdded) CancelBtnClick();
            return;
        }
        case IDNO: return CancelBtnClick();
        default: return;  // the dialog stays open
    }
}

// "復元(&E)": the three lists from a backup file. Like the import, it
// changes the lists without enabling apply; OK takes them.
void TPagesDlg::Button1Click() {
    if (Message(kRestoreQuestion, kApplicationTitle, MB_YESNO | MB_ICONWARNING) != IDYES) return;
    openDialog_.filter = kBackupFileFilter;
    openDialog_.fileName = host_.BackupPath();
    if (!RunOpenDialog()) return;
    const DayLists before = {tabKday_.Lines(), tabSday_.Lines(), tabYday_.Lines()};
    DayLists lists = before;
    const bool restored = RestoreDayListsFromBackup(openDialog_.fileName, lists, [this](const std::string& text) {
        Message(text, kApplicationTitle, MB_OK | MB_ICONWARNING);
    });
    if (!restored) return;
    // A list the file leaves alone keeps its selection too.
    if (lists.YoteiDayList != before.YoteiDayList) tabYday_.SetLines(lists.YoteiDayList);
    if (lists.SpecialDayList != before.SpecialDayList) tabSday_.SetLines(lists.SpecialDayList);
    if (lists.HolidayList != before.HolidayList) tabKday_.SetLines(lists.HolidayList);
}

void TPagesDlg::CancelBtnClick() { DestroyWindow(hwnd_); }

void TPagesDlg::FormHelp() { host_.Help().ShowHelpContext(HelpContextOfTab(CurrentTab())); }

void TPagesDlg::ShowMessage(const std::string& text) { Message(text, kApplicationTitle, MB_OK); }

void TPagesDlg::DisableApply() { EnableWindow(GetDlgItem(hwnd_, IDC_APPLY), FALSE); }

// ---- what the day-list pages reach ----

void TPagesDlg::DayListChanged() { Changed(); }

int TPagesDlg::DayListMessage(HWND owner, const std::string& text, UINT type) {
    if (!owner) return Message(text, kApplicationTitle, type);
    if (services_.messageBox) return services_.messageBox(owner, text, kApplicationTitle, type);
    return MessageBoxW(owner, Widen(text).c_str(), Widen(kApplicationTitle).c_str(), type);
}

CivilDate TPagesDlg::CalendarDate() const { return host_.SelectedDate(); }

std::optional<std::string> TPagesDlg::ChooseFileToOpen(const std::string& filter) {
    openDialog_.filter = filter;
    if (!RunOpenDialog()) return std::nullopt;
    return openDialog_.fileName;
}

std::optional<std::string> TPagesDlg::ChooseFileToSave(const std::string& filter, const std::string& defaultExtension,
                                                       const std::string& proposedName) {
    saveDialog_.filter = filter;
    saveDialog_.defaultExt = defaultExtension;
    saveDialog_.fileName = proposedName;
    const bool chosen =
        services_.runSaveDialog ? services_.runSaveDialog(hwnd_, saveDialog_) : saveDialog_.Execute(hwnd_);
    if (!chosen) return std::nullopt;
    return saveDialog_.fileName;
}

std::optional<std::vector<std::string>> TPagesDlg::OldLayoutLines() { return host_.OldLayoutLines(); }

int TPagesDlg::Message(const std::string& text, const std::string& caption, UINT type) {
    if (services_.messageBox) return services_.messageBox(hwnd_, text, caption, type);
    return MessageBoxW(hwnd_, Widen(text).c_str(), Widen(caption).c_str(), type);
}

// ---- the window ----

bool TPagesDlg::OnInitDialog() {
    FormCreate();
    FormShow();
    return true;
}

bool TPagesDlg::OnCommand(int id, UINT, HWND) {
    switch (id) {
        case IDOK: OKBtnClick(); return true;
        case IDCANCEL: CancelBtnClick(); return true;
        case IDC_APPLY: btnApplyClick(); return true;
    }
    return false;
}

bool TPagesDlg::OnNotify(const NMHDR& header, LRESULT&) {
    if (header.idFrom == IDC_PAGES_TAB && header.code == TCN_SELCHANGE) ShowCurrentPage();
    return false;
}

bool TPagesDlg::OnMessage(UINT message, WPARAM, LPARAM, INT_PTR& result) {
    switch (message) {
        case WM_SIZE:
            // Also after a change of DPI, which resizes the dialog.
            PlacePages();
            return false;
        case WM_HELP:
            FormHelp();
            result = Answer(TRUE);
            return true;
        case WM_CLOSE:
            CancelBtnClick();
            result = TRUE;
            return true;
    }
    return false;
}

}  // namespace zenka
