#include "app/today_window_win.h"

#include "app/app_title.h"
#include "app/today_text.h"
#include "common/utf16_win.h"

namespace zenka {

const wchar_t* const kTodayWindowClass = L"TfrmZenka";

namespace {

constexpr int kLabelId = 1;
constexpr wchar_t kFontFace[] = L"ＭＳ Ｐゴシック";

struct WindowState {
    HFONT font = nullptr;
};

LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* state = reinterpret_cast<WindowState*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    switch (message) {
        case WM_NCCREATE: {
            const auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
            SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
            break;
        }
        case WM_CLOSE:
            DestroyWindow(hwnd);
            return 0;
        case WM_NCDESTROY:
            if (state) {
                DeleteObject(state->font);
                delete state;
            }
            SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
            break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

void RegisterClassOnce(HINSTANCE instance) {
    WNDCLASSEXW wc{};
    if (GetClassInfoExW(instance, kTodayWindowClass, &wc)) return;
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = kTodayWindowClass;
    RegisterClassExW(&wc);
}

}  // namespace

HWND CreateTodayWindow(HINSTANCE instance, const DayRuleSet& rules, const DateTime& today) {
    RegisterClassOnce(instance);
    const TodayText text = DescribeDay(rules, today.year, today.month, today.day);
    std::string lines = text.caption + "\r\n" + text.date;
    if (!text.names.empty()) lines += "\r\n" + text.names;

    auto* state = new WindowState;
    // The face is asked for by name with the Japanese character set, so a
    // system without it falls back to another Japanese face.
    state->font = CreateFontW(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS,
                              CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, kFontFace);
    RECT frame{0, 0, 160, 64};
    const DWORD style = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    AdjustWindowRectEx(&frame, style, FALSE, WS_EX_TOOLWINDOW);
    HWND hwnd = CreateWindowExW(WS_EX_TOOLWINDOW, kTodayWindowClass, kApplicationTitleW, style, CW_USEDEFAULT, CW_USEDEFAULT,
                                frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr, instance, state);
    if (!hwnd) {
        DeleteObject(state->font);
        delete state;
        return nullptr;
    }
    HWND label = CreateWindowExW(0, L"STATIC", Widen(lines).c_str(), WS_CHILD | WS_VISIBLE | SS_CENTER, 0, 8, 160,
                                 56, hwnd, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kLabelId)), instance, nullptr);
    SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(state->font), FALSE);
    return hwnd;
}

HWND TodayWindowLabel(HWND window) { return GetDlgItem(window, kLabelId); }

}  // namespace zenka
