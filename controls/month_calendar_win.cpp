#include "controls/month_calendar_win.h"

#include <windowsx.h>

#include <exception>

#include "common/error_report_win.h"

namespace zenka {

const wchar_t* const kMonthCalendarClass = L"TMonthlyCalendar";

namespace {

CalendarKey CalendarKeyOf(WORD key) {
    switch (key) {
        case VK_RIGHT: return CalendarKey::Right;
        case VK_LEFT: return CalendarKey::Left;
        case VK_UP: return CalendarKey::Up;
        case VK_DOWN: return CalendarKey::Down;
        case VK_PRIOR: return CalendarKey::PageUp;
        case VK_NEXT: return CalendarKey::PageDown;
        default: return CalendarKey::Other;
    }
}

void RegisterClassOnce(HINSTANCE instance, WNDPROC proc) {
    WNDCLASSEXW wc{};
    if (GetClassInfoExW(instance, kMonthCalendarClass, &wc)) return;
    wc.cbSize = sizeof(wc);
    // No redraw styles and no background brush: every size change draws
    // the whole bitmap anew, and the bitmap covers the whole client area.
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = proc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = kMonthCalendarClass;
    RegisterClassExW(&wc);
}

}  // namespace

MonthCalendarControl::MonthCalendarControl(const Clock& clock) : TMonthlyCalendar(clock) {}

MonthCalendarControl::~MonthCalendarControl() {
    if (hwnd_) DestroyWindow(hwnd_);
}

bool MonthCalendarControl::Create(HWND parent, int x, int y, int width, int height, int id) {
    if (hwnd_) return false;
    HINSTANCE instance = GetModuleHandleW(nullptr);
    RegisterClassOnce(instance, WindowProc);
    CreateWindowExW(WS_EX_CLIENTEDGE, kMonthCalendarClass, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP, x, y, width,
                    height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, this);
    return hwnd_ != nullptr;
}

LRESULT CALLBACK MonthCalendarControl::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<MonthCalendarControl*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<MonthCalendarControl*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        self->ReleaseBitmap();
        self->hwnd_ = nullptr;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    // Errors of user actions (a step into the 1582 gap) end here, at the
    // edge of the message handling; they were raised before the date
    // changed, so the date stays as it was.
    try {
        return self->HandleMessage(message, wParam, lParam);
    } catch (...) {
        ReportCurrentException(hwnd);
        return 0;
    }
}

LRESULT MonthCalendarControl::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE: {
            RECT client;
            GetClientRect(hwnd_, &client);
            Resize(client.right, client.bottom);
            return 0;
        }
        case WM_SIZE:
            Resize(LOWORD(lParam), HIWORD(lParam));
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(hwnd_, &ps);
            Paint(dc);
            EndPaint(hwnd_, &ps);
            return 0;
        }
        case WM_PRINTCLIENT:
            Paint(reinterpret_cast<HDC>(wParam));
            return 0;
        case WM_GETDLGCODE:
            return DLGC_WANTARROWS | DLGC_WANTCHARS;
        case WM_KEYDOWN:
            KeyPressed(LOWORD(wParam));
            return 0;
        case WM_SYSKEYDOWN:
            // Alt does not change what a key does; other Alt keys still
            // reach the menu and the system.
            if (KeyPressed(LOWORD(wParam))) return 0;
            break;
        case WM_LBUTTONDOWN:
            leftPressed_ = true;
            SetCapture(hwnd_);
            MousePressed(lParam);
            return 0;
        case WM_LBUTTONDBLCLK:
            SetCapture(hwnd_);
            if (OnDblClick) OnDblClick(*this);
            MousePressed(lParam);
            return 0;
        case WM_RBUTTONDOWN:
        case WM_RBUTTONDBLCLK:
        case WM_MBUTTONDOWN:
        case WM_MBUTTONDBLCLK:
            MousePressed(lParam);
            return 0;
        case WM_LBUTTONUP: {
            // A click is a press and release of the left button inside the
            // control; the release of a double click is none.
            const bool click = leftPressed_;
            leftPressed_ = false;
            if (GetCapture() == hwnd_) ReleaseCapture();
            RECT client;
            GetClientRect(hwnd_, &client);
            const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            if (click && PtInRect(&client, point) && OnClick) OnClick(*this);
            return 0;
        }
        case WM_CAPTURECHANGED:
            leftPressed_ = false;
            return 0;
    }
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

bool MonthCalendarControl::KeyPressed(WORD key) {
    const bool own = KeyDown(CalendarKeyOf(key));
    if (OnKeyDown) OnKeyDown(*this, key);
    return own;
}

void MonthCalendarControl::MousePressed(LPARAM point) {
    if (GetFocus() != hwnd_) SetFocus(hwnd_);
    const int x = GET_X_LPARAM(point);
    const int y = GET_Y_LPARAM(point);
    if (OnMouseDown) OnMouseDown(*this, x, y);
    MouseDown(x, y);
}

void MonthCalendarControl::Resize(int width, int height) {
    ReleaseBitmap();
    if (width > 0 && height > 0) {
        HDC screen = GetDC(hwnd_);
        bitmapDc_ = CreateCompatibleDC(screen);
        bitmap_ = CreateCompatibleBitmap(screen, width, height);
        ReleaseDC(hwnd_, screen);
        if (bitmapDc_ && bitmap_) {
            oldBitmap_ = SelectObject(bitmapDc_, bitmap_);
        } else {
            ReleaseBitmap();
        }
    }
    SetClientSize(width, height);
}

void MonthCalendarControl::ReleaseBitmap() {
    if (bitmapDc_ && oldBitmap_) SelectObject(bitmapDc_, oldBitmap_);
    if (bitmap_) DeleteObject(bitmap_);
    if (bitmapDc_) DeleteDC(bitmapDc_);
    bitmapDc_ = nullptr;
    bitmap_ = nullptr;
    oldBitmap_ = nullptr;
}

void MonthCalendarControl::Render() {
    if (!hwnd_ || !bitmapDc_) return;
    fonts_.Trim();
    std::exception_ptr error;
    {
        GdiCalendarCanvas canvas(bitmapDc_, fonts_);
        try {
            DrawGrid(canvas);
        } catch (...) {
            // An error ends the drawing; the cells drawn so far stay, and the
            // rest of the change goes on.
            error = std::current_exception();
        }
    }
    InvalidateRect(hwnd_, nullptr, FALSE);
    UpdateWindow(hwnd_);
    const std::vector<EDayRuleError> unreadable = TakeUnreadableLines();
    if (!unreadable.empty() && OnUnreadableLines) OnUnreadableLines(unreadable);
    // While the error box is open, renders caused by other messages keep
    // drawing but do not stack more boxes of the same error.
    if (error && !reportingRenderError_) {
        reportingRenderError_ = true;
        try {
            std::rethrow_exception(error);
        } catch (...) {
            ReportCurrentException(hwnd_);
        }
        reportingRenderError_ = false;
    }
}

void MonthCalendarControl::Paint(HDC dc) const {
    if (!bitmapDc_) return;
    BitBlt(dc, 0, 0, ClientWidth(), ClientHeight(), bitmapDc_, 0, 0, SRCCOPY);
}

}  // namespace zenka
