// The object behind a dialog procedure: the one handed to CreateDialogParam
// or DialogBoxParam, kept in the dialog's DWLP_USER from WM_INITDIALOG on.
#pragma once

#include <windows.h>

namespace zenka {

// Null for the few messages that come before WM_INITDIALOG.
template <class T>
T* DialogObject(HWND hwnd, UINT message, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
        return reinterpret_cast<T*>(lParam);
    }
    return reinterpret_cast<T*>(GetWindowLongPtrW(hwnd, DWLP_USER));
}

}  // namespace zenka
