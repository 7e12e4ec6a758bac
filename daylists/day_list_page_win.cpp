#include "daylists/day_list_page_win.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <cwchar>

#include "calendar/default_holidays.h"
#include "common/error_report_win.h"
#include "common/utf16_win.h"
#include "controls/panel_button_win.h"
#include "daylists/day_list_menu_win.h"
#include "daylists/day_list_texts.h"
#include "daylists/entry_controls_win.h"
#include "daylists/entry_editor_win.h"
#include "daylists/list_file.h"

namespace zenka {
namespace {

// WM_DPICHANGED_AFTERPARENT, which Windows 10 sends; the headers name it
// only for programs that require that version.
constexpr UINT kDpiChangedAfterParent = 0x02E3;
constexpr UINT_PTR kSubclassId = 0x444C5354;  // "DLST"

// "予定日リスト：" and so on.
std::wstring LabelOf(DayListKind kind) { return Widen(std::string(DayListName(kind)) + "リスト："); }

// Rule lines line up in columns in a fixed-pitch face of the dialog's size.
HFONT CreateListFont(HWND page) {
    LOGFONTW font{};
    if (HFONT dialogFont = reinterpret_cast<HFONT>(SendMessageW(page, WM_GETFONT, 0, 0))) {
        GetObjectW(dialogFont, sizeof(font), &font);
    } else {
        font.lfHeight = -12;
    }
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = SHIFTJIS_CHARSET;
    font.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
    wcscpy_s(font.lfFaceName, L"ＭＳ ゴシック");
    return CreateFontIndirectW(&font);
}

std::string ItemText(HWND list, int index) {
    const LRESULT length = SendMessageW(list, LB_GETTEXTLEN, index, 0);
    if (length == LB_ERR) return {};
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    text.resize(static_cast<size_t>(SendMessageW(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()))));
    return Narrow(text);
}

struct ButtonPicture {
    int id;
    PanelGlyph glyph;
    const char* hint;
};
const ButtonPicture kButtons[] = {
    {IDC_DAY_LIST_ADD, PanelGlyph::Add, kAddHint},
    {IDC_DAY_LIST_DELETE, PanelGlyph::Remove, kDeleteHint},
    {IDC_DAY_LIST_LOAD, PanelGlyph::Open, kLoadHint},
    {IDC_DAY_LIST_SAVE, PanelGlyph::Save, kSaveHint},
};

Rect RectOf(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }
RECT RectOf(const Rect& r) { return {r.left, r.top, r.right, r.bottom}; }

}  // namespace

DayListPage::DayListPage(DayListKind kind, DayListPageHost& host)
    : DialogPage(IDD_DAY_LIST_PAGE), kind_(kind), host_(host) {
    // The template holds flat buttons.
    RegisterPanelButtonClass();
}

DayListPage::~DayListPage() {
    if (tooltip_) DestroyWindow(tooltip_);
    if (listFont_) DeleteObject(listFont_);
}

// ---- the list ----

void DayListPage::SetLines(std::vector<std::string> lines) { ShowListState(ListBoxState(std::move(lines))); }

std::vector<std::string> DayListPage::Lines() const {
    HWND list = ListBox();
    std::vector<std::string> lines;
    const int count = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) lines.push_back(ItemText(list, i));
    return lines;
}

ListBoxState DayListPage::ListState() const {
    HWND list = ListBox();
    ListBoxState state(Lines());
    for (size_t i = 0; i < state.lines.size(); ++i) {
        state.selected[i] = SendMessageW(list, LB_GETSEL, i, 0) > 0;
    }
    state.focus = state.lines.empty() ? -1 : static_cast<int>(SendMessageW(list, LB_GETCARETINDEX, 0, 0));
    state.top = static_cast<int>(SendMessageW(list, LB_GETTOPINDEX, 0, 0));
    return state;
}

int DayListPage::VisibleRows() const {
    HWND list = ListBox();
    RECT client{};
    GetClientRect(list, &client);
    const LRESULT row = SendMessageW(list, LB_GETITEMHEIGHT, 0, 0);
    return row > 0 ? std::max(1, static_cast<int>((client.bottom - client.top) / row)) : kListRows;
}

void DayListPage::ShowListState(const ListBoxState& state) {
    HWND list = ListBox();
    if (!list) return;
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    if (Lines() != state.lines) {
        SendMessageW(list, LB_RESETCONTENT, 0, 0);
        LONG widest = 0;
        HDC dc = GetDC(list);
        HGDIOBJ old = dc && listFont_ ? SelectObject(dc, listFont_) : nullptr;
        for (const std::string& line : state.lines) {
            const std::wstring text = Widen(line);
            SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
            SIZE size{};
            if (dc && GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size)) {
                widest = std::max(widest, size.cx);
            }
        }
        if (old) SelectObject(dc, old);
        if (dc) ReleaseDC(list, dc);
        // Long lines scroll sideways rather than being cut off.
        SendMessageW(list, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(widest + 4), 0);
    }
    SendMessageW(list, LB_SETSEL, FALSE, -1);
    for (size_t i = 0; i < state.lines.size(); ++i) {
        if (state.selected[i]) SendMessageW(list, LB_SETSEL, TRUE, static_cast<LPARAM>(i));
    }
    if (state.focus >= 0) SendMessageW(list, LB_SETCARETINDEX, state.focus, FALSE);
    SendMessageW(list, LB_SETTOPINDEX, state.top, 0);
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
}

template <typename Change>
void DayListPage::Run(TabCommand command, Change&& change) {
    ListBoxState state = ListState();
    const bool changed = change(state);
    ShowListState(state);
    if (EnablesApply(command, changed)) host_.DayListChanged();
}

// ---- outside calls ----

void DayListPage::PresetEntryControls(const CivilDate& date) { zenka::PresetEntryControls(Handle(), date); }

void DayListPage::SelectLinesOfDate(const CivilDate& date) {
    ListBoxState state = ListState();
    zenka::SelectLinesOfDate(state, date.year, date.month, date.day, VisibleRows());
    ShowListState(state);
}

EntryControls DayListPage::Entry() const { return ReadEntryControls(Handle()); }

bool DayListPage::HasPendingEntry() const { return GetWindowTextLengthW(Item(IDC_ENTRY_CONTENT)) > 0; }

AddOutcome DayListPage::AddEntry() {
    DayListTab tab(kind_);
    tab.list = ListState();
    tab.entry = Entry();
    const AddOutcome outcome = zenka::AddEntry(tab, VisibleRows());
    if (outcome == AddOutcome::CommaInContent) host_.DayListMessage(nullptr, kCommaInContentText, MB_OK | MB_ICONWARNING);
    if (outcome == AddOutcome::Added) {
        ShowListState(tab.list);
        SetDlgItemTextW(Handle(), IDC_ENTRY_CONTENT, L"");
    }
    if (EnablesApply(TabCommand::AddEntry, outcome == AddOutcome::Added)) host_.DayListChanged();
    return outcome;
}

// ---- the commands ----

void DayListPage::DeleteSelectedLines() {
    Run(TabCommand::DeleteSelected, [](ListBoxState& state) { return zenka::DeleteSelectedLines(state); });
}

void DayListPage::DeleteAllLines() {
    Run(TabCommand::DeleteAll, [](ListBoxState& state) {
        state.Reset({});
        return true;
    });
}

void DayListPage::MoveUp() {
    Run(TabCommand::MoveUp, [](ListBoxState& state) { return MoveFocusedLineUp(state); });
}

void DayListPage::MoveDown() {
    Run(TabCommand::MoveDown, [](ListBoxState& state) { return MoveFocusedLineDown(state); });
}

// The editor works on the focused line; with no line there is nothing to
// edit, and it does not open.
void DayListPage::EditLine() {
    ListBoxState state = ListState();
    if (state.focus < 0 || state.focus >= static_cast<int>(state.lines.size())) return;
    TfrmEdit editor(state, VisibleRows(), host_.CalendarDate(), [this](HWND owner, const std::string& text, UINT type) {
        return host_.DayListMessage(owner, text, type);
    });
    if (!editor.ShowModal(GetAncestor(Handle(), GA_ROOT))) return;
    ShowListState(state);
    if (EnablesApply(TabCommand::EditLine, true)) host_.DayListChanged();
}

void DayListPage::ResetHolidays() {
    Run(TabCommand::ResetHolidays, [](ListBoxState& state) {
        state.Reset(DefaultHolidayLines());
        return true;
    });
}

void DayListPage::ToggleAutoEquinox() {
    autoEquinox_ = !autoEquinox_;
    if (EnablesApply(TabCommand::ToggleAutoEquinox, true)) host_.DayListChanged();
}

void DayListPage::LoadList() {
    const std::optional<std::string> path = host_.ChooseFileToOpen(kListFileFilter);
    if (!path) return;
    std::optional<std::vector<std::string>> lines =
        LoadListFile(*path, [this](const std::string& text) { host_.DayListMessage(nullptr, text, MB_OK | MB_ICONWARNING); });
    if (!lines) return;
    Run(TabCommand::LoadFile, [&lines](ListBoxState& state) {
        state.Reset(std::move(*lines));
        return true;
    });
}

void DayListPage::SaveList() {
    const std::optional<std::string> path =
        host_.ChooseFileToSave(kListFileFilter, kListFileDefaultExtension, ProposedListFileName(kind_));
    if (!path) return;
    SaveListFile(*path, Lines(), [this](const std::string& text) { host_.DayListMessage(nullptr, text, MB_OK | MB_ICONWARNING); });
}

void DayListPage::ImportOldLayout() {
    std::optional<std::vector<std::string>> lines = host_.OldLayoutLines();
    if (!lines) {
        host_.DayListMessage(nullptr, kNoOldLayoutText, MB_OK | MB_ICONINFORMATION);
        return;
    }
    Run(TabCommand::ImportOldLayout, [&lines](ListBoxState& state) {
        state.lines.insert(state.lines.end(), lines->begin(), lines->end());
        state.selected.resize(state.lines.size(), false);
        return true;
    });
}

// ---- the context menus ----

HMENU DayListPage::CreateContextMenu() const {
    return CreateDayListMenu(kind_, ListMenuEnablingOf(kind_, ListState()), autoEquinox_, menuPictures_);
}

void DayListPage::ShowContextMenu(POINT screen) {
    HMENU menu = CreateContextMenu();
    if (!menu) return;
    if (screen.x == -1 && screen.y == -1) {  // from the keyboard: at the list's corner
        RECT rect;
        GetWindowRect(ListBox(), &rect);
        screen = {rect.left + 4, rect.top + 4};
    }
    TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_RIGHTBUTTON, screen.x, screen.y, 0, Handle(), nullptr);
    DestroyMenu(menu);
}

// ---- the window ----

void DayListPage::OnInit() {
    SetDlgItemTextW(Handle(), IDC_DAY_LIST_LABEL, LabelOf(kind_).c_str());
    for (const ButtonPicture& button : kButtons) {
        SetPanelGlyph(Item(button.id), button.glyph);
        // What a screen reader calls the picture.
        SetWindowTextW(Item(button.id), Widen(button.hint).c_str());
    }
    AddHints();
    SetUpEntryControls(Handle());
    ShowEntryControls(Handle(), InitialEntryControls(kind_), DefaultYearMode(kind_));
    SetListFont();
    SetWindowSubclass(ListBox(), ListBoxProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
    SetWindowSubclass(Item(IDC_ENTRY_CONTENT), ContentProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
}

void DayListPage::AddHints() {
    tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, 0, 0,
                               0, 0, Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!tooltip_) return;
    for (const ButtonPicture& button : kButtons) {
        std::wstring hint = Widen(button.hint);
        TTTOOLINFOW info{};
        info.cbSize = sizeof(info);
        info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        info.hwnd = Handle();
        info.uId = reinterpret_cast<UINT_PTR>(Item(button.id));
        info.lpszText = hint.data();
        SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
    }
}

void DayListPage::SetListFont() {
    HFONT font = CreateListFont(Handle());
    if (!font) return;
    SendMessageW(ListBox(), WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    if (listFont_) DeleteObject(listFont_);
    listFont_ = font;
}

bool DayListPage::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
    switch (message) {
        case WM_COMMAND: {
            const int id = LOWORD(wParam);
            const UINT code = HIWORD(wParam);
            // Menu items come without a control; the control events the
            // page does not take go on to the dialog.
            const bool own = lParam == 0 || id == IDC_DAY_LIST_ADD || id == IDC_DAY_LIST_DELETE ||
                             id == IDC_DAY_LIST_LOAD || id == IDC_DAY_LIST_SAVE ||
                             (id == IDC_DAY_LIST && code == LBN_DBLCLK) || IsEntryEnablingControl(id);
            if (!own) return false;
            Command(id, code);
            result = TRUE;
            return true;
        }
        case WM_CONTEXTMENU:
            if (reinterpret_cast<HWND>(wParam) != ListBox()) return false;
            ShowContextMenu({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
            result = TRUE;
            return true;
        case kDpiChangedAfterParent: {
            // The system gives the controls the dialog's font in its new
            // size; the list takes its own face again in that size.
            const ListBoxState state = ListState();
            SetListFont();
            ShowListState(ListBoxState());
            ShowListState(state);
            return false;
        }
    }
    return false;
}

void DayListPage::Command(int id, UINT code) {
    if (IsEntryEnablingControl(id)) {
        if (code == BN_CLICKED) RefreshEntryEnabling(Handle());
        return;
    }
    switch (id) {
        case IDC_DAY_LIST_ADD: AddEntry(); break;
        case IDC_DAY_LIST_DELETE:
        case IDM_LIST_DELETE: DeleteSelectedLines(); break;
        case IDC_DAY_LIST_LOAD:
        case IDM_LIST_OPEN: LoadList(); break;
        case IDC_DAY_LIST_SAVE:
        case IDM_LIST_SAVE: SaveList(); break;
        case IDC_DAY_LIST:
        case IDM_LIST_EDIT: EditLine(); break;
        case IDM_LIST_UP: MoveUp(); break;
        case IDM_LIST_DOWN: MoveDown(); break;
        case IDM_LIST_DELETE_ALL: DeleteAllLines(); break;
        case IDM_LIST_IMPORT:
            if (kind_ == DayListKind::Yotei) ImportOldLayout();
            break;
        case IDM_LIST_RESET:
            if (kind_ == DayListKind::Holiday) ResetHolidays();
            break;
        case IDM_LIST_AUTO_EQUINOX:
            if (kind_ == DayListKind::Holiday) ToggleAutoEquinox();
            break;
    }
}

// ---- keys and dragging ----

int DayListPage::DropTargetAt(POINT point) const {
    HWND list = ListBox();
    const int count = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
    if (count == 0) return -1;
    RECT last{};
    SendMessageW(list, LB_GETITEMRECT, count - 1, reinterpret_cast<LPARAM>(&last));
    int row = -1;  // below the last line
    if (point.y < last.bottom) {
        const LRESULT hit = SendMessageW(list, LB_ITEMFROMPOINT, 0, MAKELPARAM(point.x, point.y));
        row = LOWORD(hit);
    }
    return DropTargetRow(row, static_cast<size_t>(count));
}

void DayListPage::DragOver(POINT point) {
    HWND list = ListBox();
    const int target = DropTargetAt(point);
    RECT row{};
    if (target >= 0) SendMessageW(list, LB_GETITEMRECT, target, reinterpret_cast<LPARAM>(&row));
    const int focus = static_cast<int>(SendMessageW(list, LB_GETCARETINDEX, 0, 0));
    const DropMarkerStep step = MoveDropMarker(marker_, target, RectOf(row), focus);
    HDC dc = GetDC(list);
    if (step.eraseOld) {
        const RECT old = RectOf(marker_.band);
        DrawFocusRect(dc, &old);
    }
    if (step.drawNew) {
        const RECT band = RectOf(step.next.band);
        DrawFocusRect(dc, &band);
    }
    ReleaseDC(list, dc);
    marker_ = step.next;
}

void DayListPage::EraseDropMarker() {
    if (marker_.row < 0) return;
    HWND list = ListBox();
    HDC dc = GetDC(list);
    const RECT band = RectOf(marker_.band);
    DrawFocusRect(dc, &band);
    ReleaseDC(list, dc);
    marker_ = {};
}

LRESULT CALLBACK DayListPage::ListBoxProc(HWND list, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                          DWORD_PTR data) {
    auto* page = reinterpret_cast<DayListPage*>(data);
    LRESULT result = 0;
    ReportErrors(list, [&] { result = page->ListBoxMessage(list, message, wParam, lParam); });
    return result;
}

LRESULT DayListPage::ListBoxMessage(HWND list, UINT message, WPARAM wParam, LPARAM lParam) {
    const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    switch (message) {
        case WM_KEYDOWN:
            if (wParam == VK_DELETE) {
                DeleteSelectedLines();
                return 0;
            }
            break;
        case WM_LBUTTONDOWN: {
            const LRESULT result = DefSubclassProc(list, message, wParam, lParam);
            pressed_ = true;
            dragging_ = false;
            pressPoint_ = point;
            return result;
        }
        case WM_MOUSEMOVE:
            if (!pressed_ || !(wParam & MK_LBUTTON)) break;
            if (!dragging_ && (std::abs(point.x - pressPoint_.x) > GetSystemMetrics(SM_CXDRAG) ||
                                    std::abs(point.y - pressPoint_.y) > GetSystemMetrics(SM_CYDRAG))) {
                dragging_ = true;
                marker_ = {};
            }
            if (!dragging_) break;
            // The list does not see the move, so the selection stays.
            DragOver(point);
            return 0;
        case WM_LBUTTONUP: {
            const bool dropped = dragging_;
            const int target = dropped ? DropTargetAt(point) : -1;
            EraseDropMarker();
            pressed_ = dragging_ = false;
            const LRESULT result = DefSubclassProc(list, message, wParam, lParam);
            if (dropped) {
                Run(TabCommand::Drop, [target](ListBoxState& state) { return DropFocusedLine(state, target); });
            }
            return result;
        }
        case WM_CAPTURECHANGED:
            if (dragging_) {
                EraseDropMarker();
                pressed_ = dragging_ = false;
            }
            break;
        case WM_NCDESTROY:
            RemoveWindowSubclass(list, ListBoxProc, kSubclassId);
            break;
    }
    return DefSubclassProc(list, message, wParam, lParam);
}

// The Down arrow in the content box adds the entry, with or without Shift,
// Ctrl or Alt held.
LRESULT CALLBACK DayListPage::ContentProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                          DWORD_PTR data) {
    switch (message) {
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            if (wParam != VK_DOWN) break;
            ReportErrors(edit, [data] { reinterpret_cast<DayListPage*>(data)->AddEntry(); });
            return 0;
        case WM_NCDESTROY:
            RemoveWindowSubclass(edit, ContentProc, kSubclassId);
            break;
    }
    return DefSubclassProc(edit, message, wParam, lParam);
}

}  // namespace zenka
