#include "controls/dialog_page_win.h"

#include "common/error_report_win.h"
#include "controls/dialog_object_win.h"
#include "controls/spin_edit_win.h"

namespace zenka {

DialogPage::~DialogPage() {
    if (hwnd_) {
        SetWindowLongPtrW(hwnd_, DWLP_USER, 0);
        DestroyWindow(hwnd_);
    }
}

bool DialogPage::Create(HWND dialog) {
    if (hwnd_) return false;
    CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(templateId_), dialog, DialogProc,
                       reinterpret_cast<LPARAM>(this));
    return hwnd_ != nullptr;
}

void DialogPage::Place(const RECT& area) {
    SetWindowPos(hwnd_, HWND_TOP, area.left, area.top, area.right - area.left, area.bottom - area.top,
                 SWP_NOACTIVATE);
}

void DialogPage::Show(bool shown) { ShowWindow(hwnd_, shown ? SW_SHOW : SW_HIDE); }

bool DialogPage::OnMessage(UINT, WPARAM, LPARAM, INT_PTR&) { return false; }

INT_PTR CALLBACK DialogPage::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* page = DialogObject<DialogPage>(hwnd, message, lParam);
    if (!page) return FALSE;
    if (message == WM_INITDIALOG) page->hwnd_ = hwnd;
    if (message == WM_NCDESTROY) {
        page->hwnd_ = nullptr;
        return FALSE;
    }
    // An error that ends a user action stops here and is reported.
    try {
        return page->HandleMessage(message, wParam, lParam);
    } catch (...) {
        ReportCurrentException(hwnd);
        return TRUE;
    }
}

INT_PTR DialogPage::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    INT_PTR result = FALSE;
    if (message == WM_INITDIALOG) {
        OnInit();
        return FALSE;  // the dialog holding the page decides the focus
    }
    if (OnMessage(message, wParam, lParam, result)) return result;
    switch (message) {
        case WM_COMMAND:
            if (OnControlEvent && lParam) OnControlEvent(LOWORD(wParam), HIWORD(wParam));
            return TRUE;
        case WM_NOTIFY:
            if (HandleSpinArrow(*reinterpret_cast<const NMHDR*>(lParam))) {
                SetWindowLongPtrW(hwnd_, DWLP_MSGRESULT, TRUE);
                return TRUE;
            }
            return FALSE;
        case WM_HSCROLL:
            if (OnControlEvent && lParam) OnControlEvent(GetDlgCtrlID(reinterpret_cast<HWND>(lParam)), LOWORD(wParam));
            return TRUE;
    }
    return FALSE;
}

}  // namespace zenka
