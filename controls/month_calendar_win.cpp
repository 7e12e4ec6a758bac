#include "controls/month_calendar_win.h"

#include <windowsx.h>
#include <oleacc.h>

#include <exception>
#include <optional>
#include <utility>

#include "common/error_report_win.h"
#include "controls/month_calendar_access.h"
#include "controls/month_calendar_accessible_win.h"

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

// No redraw styles and no background brush: every size change draws the
// whole bitmap anew, and the bitmap covers the whole client area.
const WindowClass kClass{kMonthCalendarClass, CS_DBLCLKS};

}  // namespace

MonthCalendarControl::MonthCalendarControl(const Clock& clock) : TMonthlyCalendar(clock) {}

MonthCalendarControl::~MonthCalendarControl() {
    if (hwnd_) DestroyWindow(hwnd_);
}

bool MonthCalendarControl::Create(HWND parent, int x, int y, int width, int height, int id) {
    return CreateWindowOf(kClass, WS_EX_CLIENTEDGE, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP, x, y, width, height,
                          parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)));
}

void MonthCalendarControl::OnCreate() {
    RECT client;
    GetClientRect(hwnd_, &client);
    Resize(client.right, client.bottom);
}

LRESULT MonthCalendarControl::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ERASEBKGND:
            return 1;
        case WM_NCPAINT:
            if (Palette().scheme == DrawingScheme::Light) break;
            PaintEdge();
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
        case WM_SETFOCUS:
            // The system tells readers that the control has the focus; the
            // day they are to read is this one.
            AnnounceSelectedDay();
            return 0;
        case WM_GETOBJECT:
            if (static_cast<LONG>(lParam) != OBJID_CLIENT) break;
            return accessible_.Answer(wParam, [this] { return CalendarAccessible::Create(*this); });
            break;
    }
    return DefaultProcessing(message, wParam, lParam);
}

// The sunken edge in the system's colours would be a light frame around a
// dark grid: the palette's line and ground draw it instead.
void MonthCalendarControl::PaintEdge() {
    HDC dc = GetWindowDC(hwnd_);
    if (!dc) return;
    RECT outer;
    GetWindowRect(hwnd_, &outer);
    OffsetRect(&outer, -outer.left, -outer.top);
    const zenka::Palette& palette = Palette();
    const COLORREF rings[] = {ColorRefOf(palette.line.value_or(clSilver)), ColorRefOf(palette.ground.value_or(Color()))};
    const int width = GetSystemMetrics(SM_CXEDGE);
    for (int i = 0; i < width; ++i) {
        SetDCBrushColor(dc, rings[i == 0 ? 0 : 1]);
        FrameRect(dc, &outer, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
        InflateRect(&outer, -1, -1);
    }
    ReleaseDC(hwnd_, dc);
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

void MonthCalendarControl::SetAccessibleName(std::string name) {
    if (name == accessibleName_) return;
    accessibleName_ = std::move(name);
    if (hwnd_) NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, hwnd_, OBJID_CLIENT, CHILDID_SELF);
}

void MonthCalendarControl::SelectAccessibleDay(int32_t julius) {
    if (JuliusToDate(julius).month == Month() || NeighborJump()) SetJuliusDay(julius);
}

void MonthCalendarControl::DoDayChange(int32_t y, uint8_t m, uint8_t d) {
    // A host that names the control by its month renames it here, so that
    // a new month is told before the day.
    TMonthlyCalendar::DoDayChange(y, m, d);
    AnnounceSelectedDay();
}

void MonthCalendarControl::AnnounceSelectedDay() {
    if (!hwnd_) return;
    const std::optional<size_t> day = CalendarAccessModel(*this).SelectedIndex();
    if (!day) return;
    if (GetFocus() == hwnd_) NotifyWinEvent(EVENT_OBJECT_FOCUS, hwnd_, OBJID_CLIENT, ItemsAccessible::ChildOf(*day));
    NotifyWinEvent(EVENT_OBJECT_SELECTION, hwnd_, OBJID_CLIENT, ItemsAccessible::ChildOf(*day));
}

void MonthCalendarControl::OnDestroy() {
    // A reader may hold the object longer than the window lives.
    accessible_.Drop();
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
        ReportErrors(hwnd_, [&] { std::rethrow_exception(error); });
        reportingRenderError_ = false;
    }
}

void MonthCalendarControl::OnPaint(HDC dc) {
    if (!bitmapDc_) return;
    BitBlt(dc, 0, 0, ClientWidth(), ClientHeight(), bitmapDc_, 0, 0, SRCCOPY);
}

}  // namespace zenka
