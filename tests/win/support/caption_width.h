// Whether the captions of a window's buttons and labels fit them, in the
// fonts and at the DPI the test runs with.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "common/utf16_win.h"

namespace zenka::testing {

// The width a control's caption needs in its own font, with room for the
// box of a check box or radio button.
inline int NeededWidth(HWND control) {
    wchar_t text[256] = {};
    GetWindowTextW(control, text, 256);
    if (!text[0]) return 0;
    HDC dc = GetDC(control);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
    RECT rect{0, 0, 0, 0};
    DrawTextW(dc, text, -1, &rect, DT_CALCRECT | DT_SINGLELINE);
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    wchar_t className[32] = {};
    GetClassNameW(control, className, 32);
    const LONG_PTR type = GetWindowLongPtrW(control, GWL_STYLE) & BS_TYPEMASK;
    const bool box = std::wstring(className) == L"Button" &&
                     (type == BS_AUTOCHECKBOX || type == BS_CHECKBOX || type == BS_AUTORADIOBUTTON ||
                      type == BS_RADIOBUTTON) && !(GetWindowLongPtrW(control, GWL_STYLE) & BS_PUSHLIKE);
    return rect.right + (box ? GetSystemMetrics(SM_CXMENUCHECK) + 4 : 0);
}

// The captions of the window's buttons and labels that do not fit them;
// labels that shorten their text with an ellipsis are left out.
inline std::vector<std::string> ClippedCaptions(HWND window) {
    std::vector<std::string> clipped;
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t className[32] = {};
        GetClassNameW(child, className, 32);
        const LONG_PTR style = GetWindowLongPtrW(child, GWL_STYLE);
        const bool label = std::wstring(className) == L"Static";
        if (!label && std::wstring(className) != L"Button") continue;
        if (label && ((style & SS_TYPEMASK) > SS_RIGHT || (style & SS_ELLIPSISMASK))) continue;
        RECT client;
        GetClientRect(child, &client);
        if (NeededWidth(child) > client.right) {
            wchar_t text[256] = {};
            GetWindowTextW(child, text, 256);
            clipped.push_back(Narrow(text));
        }
    }
    return clipped;
}

}  // namespace zenka::testing
