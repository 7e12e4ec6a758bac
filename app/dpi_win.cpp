#include "app/dpi_win.h"

namespace zenka {
namespace {

using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
using AdjustWindowRectExForDpiFn = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);

template <class Fn>
Fn User32Function(const char* name) {
    HMODULE user32 = GetModuleHandleW(L"user32.dll");
    return user32 ? reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(user32, name))) : nullptr;
}

}  // namespace

int DpiOfWindow(HWND hwnd) {
    static const auto getDpiForWindow = User32Function<GetDpiForWindowFn>("GetDpiForWindow");
    if (getDpiForWindow && hwnd) {
        if (const UINT dpi = getDpiForWindow(hwnd)) return static_cast<int>(dpi);
    }
    HDC screen = GetDC(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
    if (screen) ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : 96;
}

SIZE WindowSizeForClient(int clientWidth, int clientHeight, DWORD style, DWORD exStyle, int dpi) {
    static const auto adjustForDpi = User32Function<AdjustWindowRectExForDpiFn>("AdjustWindowRectExForDpi");
    RECT rect{0, 0, clientWidth, clientHeight};
    if (!adjustForDpi || !adjustForDpi(&rect, style, FALSE, exStyle, static_cast<UINT>(dpi))) {
        rect = {0, 0, clientWidth, clientHeight};
        AdjustWindowRectEx(&rect, style, FALSE, exStyle);
    }
    return {rect.right - rect.left, rect.bottom - rect.top};
}

}  // namespace zenka
