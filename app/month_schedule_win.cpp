#include "app/month_schedule_win.h"

#include <commctrl.h>

#include "app/calendar_window_position.h"
#include "app/screen_layout_win.h"
#include "app/dpi_win.h"
#include "controls/panel_button_win.h"
#include "app/registry_key_store_win.h"
#include "app/settings_bulk.h"
#include "common/app_title.h"
#include "common/font_win.h"
#include "common/utf16_win.h"
#include "controls/gdi_canvas_win.h"
#include "controls/list_box_accessible_win.h"
#include "controls/month_calendar_access.h"

namespace zenka {

const wchar_t* const kMonthScheduleClass = L"TfrmMemo";

namespace {

constexpr DWORD kWindowStyle = WS_POPUP | WS_CAPTION | WS_THICKFRAME | WS_CLIPCHILDREN;
constexpr DWORD kWindowExStyle = WS_EX_TOOLWINDOW;
constexpr char kStatusText[] = "Enterキーで閉じる";
constexpr wchar_t kCloseHint[] = L"閉じる";
// A fixed-pitch face, so that the days and weekdays stand in columns.
constexpr char kListFace[] = "ＭＳ ゴシック";

void MoveChild(HWND child, const LayoutBox& box) {
    SetWindowPos(child, nullptr, box.left, box.top, box.width, box.height, SWP_NOZORDER | SWP_NOACTIVATE);
}

HFONT ReplaceFont(HFONT old, const FontDescription& font) {
    if (old) DeleteObject(old);
    return CreateFontFor(font);
}

}  // namespace

TfrmMemo::TfrmMemo(const TCustomCalendarEx2k& calendar, MonthScheduleHost& host, BadLineReport& reports)
    : calendar_(calendar), host_(host), reports_(reports) {
    ReplaceBrushes();
}

TfrmMemo::~TfrmMemo() {
    if (hwnd_) DestroyWindow(hwnd_);
    for (HFONT font : {listFont_, labelFont_, statusFont_}) {
        if (font) DeleteObject(font);
    }
    for (HBRUSH brush : {faceBrush_, groundBrush_}) {
        if (brush) DeleteObject(brush);
    }
}

void TfrmMemo::ReplaceBrushes() {
    for (HBRUSH brush : {faceBrush_, groundBrush_}) {
        if (brush) DeleteObject(brush);
    }
    faceBrush_ = CreateSolidBrush(ColorRefOf(palette_.face));
    groundBrush_ = CreateSolidBrush(ColorRefOf(palette_.ground.value_or(clWhite)));
}

void TfrmMemo::SetPalette(const Palette& palette) {
    palette_ = palette;
    ReplaceBrushes();
    markedFonts_.Clear();
    if (!hwnd_) return;
    SetPanelColors(Child(idMemoPanelButton7), {ColorRefOf(palette_.face), ColorRefOf(palette_.faceText),
                                               ColorRefOf(palette_.faceLight), ColorRefOf(palette_.faceShadow)});
    ShowStatusText();
    RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

// The status bar draws its text in the system's colours; in another
// scheme the view draws it.
void TfrmMemo::ShowStatusText() {
    HWND status = Child(idMemoStatusBar1);
    if (!status) return;
    const bool system = palette_.scheme == DrawingScheme::Light;
    SendMessageW(status, SB_SETBKCOLOR, 0, system ? CLR_DEFAULT : ColorRefOf(palette_.face));
    if (system) {
        SendMessageW(status, SB_SETTEXTW, SBT_NOBORDERS, reinterpret_cast<LPARAM>(Widen(kStatusText).c_str()));
    } else {
        SendMessageW(status, SB_SETTEXTW, SBT_NOBORDERS | SBT_OWNERDRAW, 0);
    }
}

void TfrmMemo::DrawStatus(const DRAWITEMSTRUCT& item) {
    const std::wstring text = Widen(kStatusText);
    RECT rect = item.rcItem;
    FillRect(item.hDC, &rect, faceBrush_);
    const HGDIOBJ oldFont = SelectObject(item.hDC, statusFont_);
    const COLORREF oldColor = SetTextColor(item.hDC, ColorRefOf(palette_.faceText));
    const int oldMode = SetBkMode(item.hDC, TRANSPARENT);
    DrawTextW(item.hDC, text.c_str(), static_cast<int>(text.size()), &rect,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    SetBkMode(item.hDC, oldMode);
    SetTextColor(item.hDC, oldColor);
    SelectObject(item.hDC, oldFont);
}

bool TfrmMemo::Create(HWND owner) {
    if (hwnd_) return false;
    RegistryKeyStore keys;
    SettingsStore store(keys);
    const MemoBounds stored = LoadMemoBounds(store, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    const WindowClass windowClass{kMonthScheduleClass, 0, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1)};
    if (!CreateWindowOf(windowClass, kWindowExStyle, kApplicationTitleW, kWindowStyle, stored.left, stored.top,
                        stored.width, stored.height, owner, nullptr)) {
        return false;
    }
    // The size is known at 96 DPI; the screen the window landed on decides
    // its pixels. A place kept from a larger screen is pulled back onto this
    // one, as the calendar window's is.
    const MemoBounds bounds = BoundsOnScreen(stored, DpiOfWindow(hwnd_));
    const WindowPosition place = ClampOntoMonitors({bounds.left, bounds.top}, {bounds.width, bounds.height},
                                                   CurrentScreenLayout().monitors);
    SetWindowPos(hwnd_, nullptr, place.left, place.top, bounds.width, bounds.height, SWP_NOZORDER | SWP_NOACTIVATE);
    CreateChildren();
    ApplyLayout();
    SetPalette(palette_);
    return true;
}

void TfrmMemo::CreateChildren() {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    const auto id = [](MonthScheduleControl control) { return reinterpret_cast<HMENU>(static_cast<INT_PTR>(control)); };
    CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_LEFTNOWORDWRAP | SS_NOPREFIX, 0, 0, 0, 0, hwnd_,
                    id(idMemoLabel1), instance, nullptr);
    CreatePanelButton(hwnd_, idMemoPanelButton7, PanelGlyph::Close, L"閉じる");
    CreateWindowExW(WS_EX_CLIENTEDGE, L"LISTBOX", L"",
                    WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY | LBS_OWNERDRAWFIXED |
                        LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT | LBS_WANTKEYBOARDINPUT,
                    0, 0, 0, 0, hwnd_, id(idMemoListBox1), instance, nullptr);
    // A reader hears each line's day in full, as in the calendar.
    MakeListBoxAccessible(Child(idMemoListBox1),
                          {.list = [this] { return host_.CalendarCaptionText(); },
                           .line = [this](size_t line) {
                               if (line >= schedule_.lines.size()) return std::string();
                               const CivilDate day{schedule_.year, schedule_.month, schedule_.lines[line].day};
                               return AccessibleDayName(calendar_, day, host_.ReaderWording());
                           }});

    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&icc);
    HWND status = CreateWindowExW(0, STATUSCLASSNAMEW, nullptr, WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0, 0,
                                  hwnd_, id(idMemoStatusBar1), instance, nullptr);
    int part = -1;
    SendMessageW(status, SB_SETPARTS, 1, reinterpret_cast<LPARAM>(&part));

    // The tooltip has no owner, like the calendar window's, so that it
    // shows above a window kept on top; it goes with the view.
    tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance,
                               nullptr);
    if (tooltip_) {
        TTTOOLINFOW info{};
        info.cbSize = TTTOOLINFOW_V2_SIZE;
        info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        info.hwnd = hwnd_;
        info.uId = reinterpret_cast<UINT_PTR>(Child(idMemoPanelButton7));
        info.lpszText = const_cast<wchar_t*>(kCloseHint);
        SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
    }
}

void TfrmMemo::ApplyFonts() {
    const MonthScheduleLayout sizes = LayOutMonthSchedule(0, 0, 0, DpiOfWindow(hwnd_));
    FontDescription list;
    list.face = kListFace;
    list.height = sizes.listFontHeight;
    listFont_ = ReplaceFont(listFont_, list);
    listFontDescription_ = list;
    markedFonts_.Clear();
    FontDescription label;
    label.height = sizes.labelFontHeight;
    labelFont_ = ReplaceFont(labelFont_, label);
    FontDescription status;
    status.height = sizes.statusFontHeight;
    statusFont_ = ReplaceFont(statusFont_, status);
    SendMessageW(Child(idMemoListBox1), WM_SETFONT, reinterpret_cast<WPARAM>(listFont_), FALSE);
    SendMessageW(Child(idMemoLabel1), WM_SETFONT, reinterpret_cast<WPARAM>(labelFont_), TRUE);
    SendMessageW(Child(idMemoStatusBar1), WM_SETFONT, reinterpret_cast<WPARAM>(statusFont_), TRUE);
    SendMessageW(Child(idMemoListBox1), LB_SETITEMHEIGHT, 0, sizes.itemHeight);
    fontsDpi_ = sizes.dpi;
}

void TfrmMemo::ApplyLayout() {
    HWND status = Child(idMemoStatusBar1);
    if (!status) return;  // the children are not made yet
    if (DpiOfWindow(hwnd_) != fontsDpi_) ApplyFonts();
    // The status bar places itself along the bottom edge at its font's height.
    SendMessageW(status, WM_SIZE, 0, 0);
    RECT bar{};
    GetWindowRect(status, &bar);
    RECT client{};
    GetClientRect(hwnd_, &client);
    layout_ = LayOutMonthSchedule(client.right, client.bottom, bar.bottom - bar.top, fontsDpi_);
    MoveChild(Child(idMemoLabel1), layout_.label1);
    MoveChild(Child(idMemoPanelButton7), layout_.panelButton7);
    MoveChild(Child(idMemoListBox1), layout_.listBox1);
    InvalidateRect(hwnd_, nullptr, TRUE);
}

void TfrmMemo::Show() {
    if (!hwnd_) return;
    if (!IsWindowVisible(hwnd_)) {
        ShowWindow(hwnd_, SW_SHOW);
        Fill();
    }
    SetForegroundWindow(hwnd_);
    SetFocus(Child(idMemoListBox1));
}

void TfrmMemo::Fill() {
    if (!hwnd_) return;
    SetWindowTextW(Child(idMemoLabel1), Widen(host_.CalendarCaptionText()).c_str());
    schedule_ = FillMonthSchedule(calendar_.Rules(), calendar_.Year(), calendar_.Month(), host_.ScheduleWording());
    HWND list = Child(idMemoListBox1);
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
    for (const MonthScheduleLine& line : schedule_.lines) {
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(line.text).c_str()));
    }
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
    reports_.Tell(schedule_.badLines);
}

void TfrmMemo::Close() {
    if (!hwnd_) return;
    RECT rect{};
    if (GetWindowRect(hwnd_, &rect)) {
        const MemoBounds onScreen{rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
        RegistryKeyStore keys;
        SettingsStore store(keys);
        SaveMemoBounds(store, BoundsToStore(onScreen, DpiOfWindow(hwnd_)));
    }
    DestroyWindow(hwnd_);
}

void TfrmMemo::DrawItem(const DRAWITEMSTRUCT& item) {
    if (item.itemID >= schedule_.lines.size()) return;
    const MonthScheduleLine& line = schedule_.lines[item.itemID];
    const Color dayColor = ColorRefOf(calendar_.Fonts().Font(line.font).color);
    const LineColors colors = MonthScheduleLineColors(palette_, dayColor, (item.itemState & ODS_SELECTED) != 0);
    HBRUSH brush = CreateSolidBrush(colors.background);
    FillRect(item.hDC, &item.rcItem, brush);
    DeleteObject(brush);
    // The kinds of day lettered apart, where the palette says so.
    const FontDescription marked = palette_.MarkKind(line.font, listFontDescription_);
    const HGDIOBJ oldFont = SelectObject(item.hDC, marked == listFontDescription_ ? listFont_ : markedFonts_.Get(marked));
    const COLORREF oldColor = SetTextColor(item.hDC, colors.text);
    const int oldMode = SetBkMode(item.hDC, TRANSPARENT);
    const std::wstring text = Widen(line.text);
    TextOutW(item.hDC, item.rcItem.left, item.rcItem.top, text.c_str(), static_cast<int>(text.size()));
    SetBkMode(item.hDC, oldMode);
    SetTextColor(item.hDC, oldColor);
    SelectObject(item.hDC, oldFont);
}

void TfrmMemo::ListBox1DblClick() {
    const LRESULT index = SendMessageW(Child(idMemoListBox1), LB_GETCURSEL, 0, 0);
    if (index < 0 || static_cast<size_t>(index) >= schedule_.lines.size()) return;
    host_.OpenScheduleDay(schedule_.year, schedule_.month, schedule_.lines[static_cast<size_t>(index)].day);
}

void TfrmMemo::FormDestroy() {
    if (tooltip_) DestroyWindow(tooltip_);
    tooltip_ = nullptr;
}

// An error that ends a user action (a double click whose action fails) is
// reported; the view goes on.
void TfrmMemo::OnCommand(int id, UINT code, HWND) {
    if (id == idMemoPanelButton7 && code == BN_CLICKED) {
        PostMessageW(hwnd_, WM_CLOSE, 0, 0);
    } else if (id == idMemoListBox1 && code == LBN_DBLCLK) {
        ListBox1DblClick();
    }
}

LRESULT TfrmMemo::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_DPICHANGED: {
            const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
            SetWindowPos(hwnd_, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                         suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
            ApplyLayout();
            return 0;
        }
        case WM_GETMINMAXINFO: {
            const int dpi = DpiOfWindow(hwnd_);
            auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
            info->ptMinTrackSize = {ScaleToDpi(kMonthScheduleMinWidth, dpi), ScaleToDpi(kMonthScheduleMinHeight, dpi)};
            return 0;
        }
        case WM_MEASUREITEM:
            reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)->itemHeight = static_cast<UINT>(layout_.itemHeight);
            return TRUE;
        case WM_DRAWITEM:
            if (wParam == idMemoListBox1) DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            if (wParam == idMemoStatusBar1) DrawStatus(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return TRUE;
        case WM_ERASEBKGND: {
            RECT client{};
            GetClientRect(hwnd_, &client);
            FillRect(reinterpret_cast<HDC>(wParam), &client, faceBrush_);
            return 1;
        }
        case WM_CTLCOLORLISTBOX:
            return reinterpret_cast<LRESULT>(groundBrush_);
        case WM_CTLCOLORSTATIC:
            SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
            SetTextColor(reinterpret_cast<HDC>(wParam), ColorRefOf(palette_.faceText));
            return reinterpret_cast<LRESULT>(faceBrush_);
        case WM_VKEYTOITEM:
            // Enter closes; the list is in the middle of its key, so the
            // close waits until it is done.
            if (LOWORD(wParam) == VK_RETURN) {
                PostMessageW(hwnd_, WM_CLOSE, 0, 0);
                return -2;
            }
            if (LOWORD(wParam) == VK_TAB) {
                FocusNextTabStop();
                return -2;
            }
            return -1;
        case WM_KEYDOWN:
            // A key the focused close button passes on.
            if (wParam == VK_TAB) FocusNextTabStop();
            return 0;
        case WM_ACTIVATE:
            if (LOWORD(wParam) != WA_INACTIVE) SetFocus(Child(idMemoListBox1));
            return 0;
        case WM_SETFOCUS:
            SetFocus(Child(idMemoListBox1));
            return 0;
    }
    return DefaultProcessing(message, wParam, lParam);
}

}  // namespace zenka
