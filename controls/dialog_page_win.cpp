#include "controls/dialog_page_win.h"

namespace zenka {

void DialogPage::Place(const RECT& area) {
    SetWindowPos(hwnd_, HWND_TOP, area.left, area.top, area.right - area.left, area.bottom - area.top,
                 SWP_NOACTIVATE);
}

void DialogPage::Show(bool shown) { ShowWindow(hwnd_, shown ? SW_SHOW : SW_HIDE); }

bool DialogPage::OnCommand(int id, UINT code, HWND control) {
    if (OnControlEvent && control) OnControlEvent(id, code);
    return true;
}

bool DialogPage::OnHScroll(HWND control, UINT code) {
    if (OnControlEvent && control) OnControlEvent(GetDlgCtrlID(control), code);
    return true;
}

}  // namespace zenka
