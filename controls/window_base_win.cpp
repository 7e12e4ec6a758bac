#include "controls/window_base_win.h"

#include <utility>

#include "common/error_report_win.h"

namespace zenka {

void RegisterWindowClass(const WindowClass& windowClass, WNDPROC procedure) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW wc{};
    if (GetClassInfoExW(instance, windowClass.name, &wc)) return;
    wc.cbSize = sizeof(wc);
    wc.style = windowClass.style;
    wc.lpfnWndProc = procedure;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    if (windowClass.iconId) wc.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(windowClass.iconId));
    wc.hbrBackground = windowClass.background;
    wc.lpszClassName = windowClass.name;
    RegisterClassExW(&wc);
}

WindowBase::~WindowBase() {
    if (!hwnd_) return;
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(std::exchange(hwnd_, nullptr));
}

bool WindowBase::CreateWindowOf(const WindowClass& windowClass, DWORD exStyle, const wchar_t* title, DWORD style,
                                int x, int y, int width, int height, HWND parent, HMENU menuOrId) {
    if (hwnd_) return false;
    RegisterWindowClass(windowClass, WindowProc);
    CreateWindowExW(exStyle, windowClass.name, title, style, x, y, width, height, parent, menuOrId,
                    GetModuleHandleW(nullptr), this);
    return hwnd_ != nullptr;
}

void WindowBase::Attach(HWND hwnd, WindowBase* object, bool owned) {
    object->hwnd_ = hwnd;
    object->ownedByWindow_ = owned;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(object));
}

LRESULT CALLBACK WindowBase::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE && !GetWindowLongPtrW(hwnd, GWLP_USERDATA)) {
        auto* object = static_cast<WindowBase*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        if (object) Attach(hwnd, object, false);
    }
    auto* self = reinterpret_cast<WindowBase*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    // Messages before WM_NCCREATE, and after WM_NCDESTROY, find no object.
    if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);
    LRESULT result = 0;
    if (message == WM_NCDESTROY) {
        ReportErrors(self->ErrorOwner(), [&] { result = self->Gone(wParam, lParam); });
    } else {
        ReportErrors(self->ErrorOwner(), [&] { result = self->Dispatch(message, wParam, lParam); });
    }
    return result;
}

LRESULT WindowBase::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            OnCreate();
            return 0;
        case WM_COMMAND:
            OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
            return 0;
        case WM_NOTIFY:
            return OnNotify(*reinterpret_cast<NMHDR*>(lParam));
        case WM_TIMER:
            OnTimer(wParam);
            return 0;
        case WM_SIZE:
            OnSize(LOWORD(lParam), HIWORD(lParam));
            return 0;
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(hwnd_, &ps);
            if (dc) OnPaint(dc);
            EndPaint(hwnd_, &ps);
            return 0;
        }
        case WM_PRINTCLIENT:
            OnPaint(reinterpret_cast<HDC>(wParam));
            return 0;
        case WM_CLOSE:
            OnClose();
            return 0;
        case WM_DESTROY:
            OnDestroy();
            return 0;
    }
    return OnMessage(message, wParam, lParam);
}

// The object lets go of the window before the system's last processing,
// and hears of it after; one that the window owns goes last.
LRESULT WindowBase::Gone(WPARAM wParam, LPARAM lParam) {
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    HWND hwnd = std::exchange(hwnd_, nullptr);
    const LRESULT result = DefWindowProcW(hwnd, WM_NCDESTROY, wParam, lParam);
    OnGone();
    const bool owned = ownedByWindow_;
    // A copy: the call may release this object.
    if (const std::function<void()> destroyed = OnDestroyed) destroyed();
    if (owned) delete this;
    return result;
}

void WindowBase::OnCommand(int id, UINT code, HWND control) {
    DefaultProcessing(WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(control));
}

LRESULT WindowBase::OnNotify(NMHDR& header) {
    return DefaultProcessing(WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
}

void WindowBase::OnClose() { DestroyWindow(hwnd_); }

LRESULT WindowBase::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefaultProcessing(message, wParam, lParam);
}

LRESULT WindowBase::DefaultProcessing(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

void WindowBase::FocusNextTabStop() {
    const HWND next = GetNextDlgTabItem(hwnd_, GetFocus(), GetKeyState(VK_SHIFT) < 0);
    if (next) SetFocus(next);
}

}  // namespace zenka
