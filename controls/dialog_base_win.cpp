#include "controls/dialog_base_win.h"

#include <utility>

#include "common/error_report_win.h"
#include "controls/spin_edit_win.h"

namespace zenka {

DialogBase::~DialogBase() {
    if (!hwnd_) return;
    SetWindowLongPtrW(hwnd_, DWLP_USER, 0);
    DestroyWindow(std::exchange(hwnd_, nullptr));
}

INT_PTR DialogBase::RunModal(int templateId, HWND owner) {
    return DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(templateId), owner, DialogProc,
                           reinterpret_cast<LPARAM>(this));
}

bool DialogBase::CreateModeless(int templateId, HWND owner) {
    if (hwnd_) return false;
    CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(templateId), owner, DialogProc,
                       reinterpret_cast<LPARAM>(this));
    return hwnd_ != nullptr;
}

INT_PTR DialogBase::Answer(LRESULT result) {
    SetWindowLongPtrW(hwnd_, DWLP_MSGRESULT, result);
    return TRUE;
}

INT_PTR CALLBACK DialogBase::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        reinterpret_cast<DialogBase*>(lParam)->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
    }
    auto* self = reinterpret_cast<DialogBase*>(GetWindowLongPtrW(hwnd, DWLP_USER));
    // The few messages before WM_INITDIALOG find no object.
    if (!self) return FALSE;
    if (message == WM_NCDESTROY) {
        ReportErrors(hwnd, [self] { self->Gone(); });
        return FALSE;
    }
    INT_PTR result = TRUE;  // a message whose handling failed counts as handled
    ReportErrors(hwnd, [&] { result = self->Dispatch(message, wParam, lParam); });
    return result;
}

INT_PTR DialogBase::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) return OnInitDialog() ? TRUE : FALSE;
    INT_PTR result = FALSE;
    if (OnMessage(message, wParam, lParam, result)) return result;
    switch (message) {
        case WM_COMMAND:
            return OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam)) ? TRUE : FALSE;
        case WM_NOTIFY: {
            const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
            if (HandleSpinArrow(header)) return Answer(TRUE);
            LRESULT answer = 0;
            return OnNotify(header, answer) ? Answer(answer) : FALSE;
        }
        case WM_HSCROLL:
            return OnHScroll(reinterpret_cast<HWND>(lParam), LOWORD(wParam)) ? TRUE : FALSE;
    }
    return FALSE;
}

void DialogBase::Gone() {
    SetWindowLongPtrW(hwnd_, DWLP_USER, 0);
    hwnd_ = nullptr;
    OnGone();
    // A copy: the call may release this object.
    if (const std::function<void()> destroyed = OnDestroyed) destroyed();
}

}  // namespace zenka
