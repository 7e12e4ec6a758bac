#include "settings/day_list_page_win.h"

#include <algorithm>
#include <cwchar>

#include "common/utf16_win.h"

namespace zenka {
namespace {

// WM_DPICHANGED_AFTERPARENT, which Windows 10 sends; the headers name it
// only for programs that require that version.
constexpr UINT kDpiChangedAfterParent = 0x02E3;

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

}  // namespace

DayListPage::DayListPage(DayListKind kind) : DialogPage(IDD_DAY_LIST_PAGE), kind_(kind) {}

DayListPage::~DayListPage() {
    if (listFont_) DeleteObject(listFont_);
}

void DayListPage::SetLines(std::vector<std::string> lines) {
    lines_ = std::move(lines);
    FillListBox();
}

void DayListPage::OnInit() {
    SetDlgItemTextW(Handle(), IDC_DAY_LIST_LABEL, LabelOf(kind_).c_str());
    SetListFont();
    FillListBox();
}

// After a change of DPI the system gives the controls the dialog's font in
// its new size; the list takes its own face again in that size.
bool DayListPage::OnMessage(UINT message, WPARAM, LPARAM, INT_PTR&) {
    if (message == kDpiChangedAfterParent) {
        SetListFont();
        FillListBox();
    }
    return false;
}

void DayListPage::SetListFont() {
    HFONT font = CreateListFont(Handle());
    if (!font) return;
    SendMessageW(ListBox(), WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    if (listFont_) DeleteObject(listFont_);
    listFont_ = font;
}

void DayListPage::FillListBox() {
    HWND list = ListBox();
    if (!list) return;
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
    LONG widest = 0;
    HDC dc = GetDC(list);
    HGDIOBJ old = dc && listFont_ ? SelectObject(dc, listFont_) : nullptr;
    for (const std::string& line : lines_) {
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
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
}

}  // namespace zenka
