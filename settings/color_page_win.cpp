#include "settings/color_page_win.h"

#include <uxtheme.h>
#include <windowsx.h>

#include "common/utf16_win.h"
#include "settings/color_choice.h"
#include "settings/settings_ids.h"
#include "settings/settings_texts.h"

namespace zenka {
namespace {

constexpr int kGroupCount = 6;
constexpr int kButtonsPerGroup = 5;
constexpr int kLastColorButton = IDC_COLOR_FIRST + kGroupCount * kButtonsPerGroup - 1;

bool IsColorButton(int id) { return id >= IDC_COLOR_FIRST && id <= kLastColorButton; }

Color ColorOfButton(int id) { return kColorChoices[static_cast<size_t>((id - IDC_COLOR_FIRST) % kButtonsPerGroup)]; }

}  // namespace

ColorPage::ColorPage() : DialogPage(IDD_COLOR_PAGE) {}

// A themed button draws its caption in the theme's colour; these draw
// their own.
void ColorPage::OnInit() {
    for (int id = IDC_COLOR_FIRST; id <= kLastColorButton; ++id) SetWindowTheme(Item(id), L"", L"");
}

bool ColorPage::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
    switch (message) {
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN: {
            HWND control = reinterpret_cast<HWND>(lParam);
            const int id = GetDlgCtrlID(control);
            if (!IsColorButton(id)) return false;
            HDC dc = reinterpret_cast<HDC>(wParam);
            SetTextColor(dc, ColorOfButton(id));
            SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
            result = reinterpret_cast<INT_PTR>(GetSysColorBrush(COLOR_BTNFACE));
            return true;
        }
        case WM_CONTEXTMENU:
            ShowContextMenu(lParam);
            result = TRUE;
            return true;
        case WM_COMMAND:
            if (lParam == 0 && LOWORD(wParam) == IDM_COLOR_RESET) {
                if (OnResetColors) OnResetColors();
                result = TRUE;
                return true;
            }
            return false;
    }
    return false;
}

void ColorPage::ShowContextMenu(LPARAM screenPoint) {
    POINT at{GET_X_LPARAM(screenPoint), GET_Y_LPARAM(screenPoint)};
    if (at.x == -1 && at.y == -1) {
        // From the keyboard: at the page's top-left corner.
        at = {0, 0};
        ClientToScreen(Handle(), &at);
    }
    HMENU menu = CreatePopupMenu();
    if (!menu) return;
    AppendMenuW(menu, MF_STRING, IDM_COLOR_RESET, Widen(kColorResetItem).c_str());
    TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_RIGHTBUTTON, at.x, at.y, 0, Handle(), nullptr);
    DestroyMenu(menu);
}

}  // namespace zenka
