#include "controls/panel_button_win.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "common/font.h"
#include "common/utf16_win.h"

namespace zenka {

const wchar_t* const kPanelButtonClass = L"TPanelButton";

namespace {

struct ButtonState {
    PanelGlyph glyph = PanelGlyph::Text;
    bool hot = false;       // the pointer is over the button
    bool pressed = false;   // the left button went down on it
    bool tracking = false;  // asked to hear when the pointer leaves
};

ButtonState* StateOf(HWND hwnd) { return reinterpret_cast<ButtonState*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA)); }

// Maps points of a 16 x 16 design square into the button, centred, turned
// by an angle around the square's centre.
class GlyphSpace {
public:
    GlyphSpace(const RECT& rect, double degrees = 0) {
        const int w = rect.right - rect.left;
        const int h = rect.bottom - rect.top;
        scale_ = std::min(w, h) / 22.0;
        cx_ = rect.left + w / 2.0;
        cy_ = rect.top + h / 2.0;
        const double rad = degrees * 3.14159265358979 / 180.0;
        cos_ = std::cos(rad);
        sin_ = std::sin(rad);
    }
    POINT At(double x, double y) const {
        const double dx = (x - 8) * scale_;
        const double dy = (y - 8) * scale_;
        return {static_cast<LONG>(std::lround(cx_ + dx * cos_ - dy * sin_)),
                static_cast<LONG>(std::lround(cy_ + dx * sin_ + dy * cos_))};
    }
    int Length(double units) const { return std::max(1, static_cast<int>(std::lround(units * scale_))); }

private:
    double scale_, cx_, cy_, cos_, sin_;
};

void FillPolygon(HDC dc, const std::vector<POINT>& points, COLORREF color) {
    HBRUSH brush = CreateSolidBrush(color);
    HPEN pen = CreatePen(PS_SOLID, 1, color);
    HGDIOBJ oldBrush = SelectObject(dc, brush);
    HGDIOBJ oldPen = SelectObject(dc, pen);
    Polygon(dc, points.data(), static_cast<int>(points.size()));
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
    DeleteObject(pen);
    DeleteObject(brush);
}

void ThickLine(HDC dc, POINT from, POINT to, int width, COLORREF color) {
    LOGBRUSH lb{BS_SOLID, color, 0};
    HPEN pen = ExtCreatePen(PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_FLAT, width, &lb, 0, nullptr);
    HGDIOBJ old = SelectObject(dc, pen);
    MoveToEx(dc, from.x, from.y, nullptr);
    LineTo(dc, to.x, to.y);
    SelectObject(dc, old);
    DeleteObject(pen);
}

// One or two arrowheads pointing left (direction -1) or right (+1).
void DrawArrows(HDC dc, const RECT& rect, int direction, int count, COLORREF color) {
    const GlyphSpace g(rect);
    // Each head is 4.5 units wide and 9 high; two overlap a little so
    // that they read as one sign.
    const double width = 4.5;
    const double span = count == 1 ? width : width * 2 - 0.5;
    double tipX = 8 + direction * span / 2;  // the point the sign points with
    for (int i = 0; i < count; ++i) {
        const double baseX = tipX - direction * width;
        FillPolygon(dc, {g.At(tipX, 8), g.At(baseX, 3.5), g.At(baseX, 12.5)}, color);
        tipX -= direction * (width - 0.5);
    }
}

// A push pin: lying aslant while the window keeps the normal order,
// upright and driven in while it stays on top.
void DrawPin(HDC dc, const RECT& rect, bool pushed, COLORREF color) {
    const GlyphSpace g(rect, pushed ? 0 : 45);
    const double top = pushed ? 2 : 1;
    FillPolygon(dc, {g.At(5, top), g.At(11, top), g.At(11, top + 1.5), g.At(5, top + 1.5)}, color);  // cap
    FillPolygon(dc, {g.At(6.3, top + 1.5), g.At(9.7, top + 1.5), g.At(9.7, top + 6.5), g.At(6.3, top + 6.5)},
                color);  // body
    FillPolygon(dc, {g.At(3.5, top + 6.5), g.At(12.5, top + 6.5), g.At(12.5, top + 8), g.At(3.5, top + 8)},
                color);  // collar
    ThickLine(dc, g.At(8, top + 8), g.At(8, pushed ? 13 : 15), g.Length(1.1), color);  // needle
}

void DrawCross(HDC dc, const RECT& rect, COLORREF color) {
    const GlyphSpace g(rect);
    const int width = g.Length(1.8);
    ThickLine(dc, g.At(3.5, 3.5), g.At(12.5, 12.5), width, color);
    ThickLine(dc, g.At(12.5, 3.5), g.At(3.5, 12.5), width, color);
}

// A plus, or without its upright a minus.
void DrawPlus(HDC dc, const RECT& rect, bool upright, COLORREF color) {
    const GlyphSpace g(rect);
    const int width = g.Length(2.2);
    ThickLine(dc, g.At(2.5, 8), g.At(13.5, 8), width, color);
    if (upright) ThickLine(dc, g.At(8, 2.5), g.At(8, 13.5), width, color);
}

// A folder with its lid open.
void DrawFolder(HDC dc, const RECT& rect, COLORREF color, COLORREF background) {
    const GlyphSpace g(rect);
    FillPolygon(dc, {g.At(1, 3), g.At(6, 3), g.At(7.5, 4.5), g.At(14, 4.5), g.At(14, 13.5), g.At(1, 13.5)}, color);
    FillPolygon(dc, {g.At(2.2, 6.5), g.At(12.8, 6.5), g.At(12.8, 7.6), g.At(2.2, 7.6)}, background);
    FillPolygon(dc, {g.At(3.5, 8.5), g.At(15.5, 8.5), g.At(13.5, 13.5), g.At(1, 13.5)}, color);
}

// A diskette: its shutter and its label left open.
void DrawDisk(HDC dc, const RECT& rect, COLORREF color, COLORREF background) {
    const GlyphSpace g(rect);
    FillPolygon(dc, {g.At(1.5, 1.5), g.At(12.5, 1.5), g.At(14.5, 3.5), g.At(14.5, 14.5), g.At(1.5, 14.5)}, color);
    FillPolygon(dc, {g.At(4.5, 1.5), g.At(10.5, 1.5), g.At(10.5, 5.5), g.At(4.5, 5.5)}, background);
    FillPolygon(dc, {g.At(8.5, 2.3), g.At(9.7, 2.3), g.At(9.7, 4.7), g.At(8.5, 4.7)}, color);
    FillPolygon(dc, {g.At(3.5, 8.5), g.At(12.5, 8.5), g.At(12.5, 14.5), g.At(3.5, 14.5)}, background);
}

// The text in a font sized to the button: as tall as two characters side
// by side allow, so "今日" fits a narrow button.
void DrawText(HWND hwnd, HDC dc, const RECT& rect, COLORREF color) {
    const int length = GetWindowTextLengthW(hwnd);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(hwnd, text.data(), length + 1)));
    const int w = rect.right - rect.left;
    const int h = rect.bottom - rect.top;
    const int characters = std::max<int>(1, static_cast<int>(text.size()));
    const int height = std::max(6, std::min(h * 11 / 20, (w - 2) / characters));
    HFONT font = CreateFontW(-height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS,
                             CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                             Widen(kJapaneseUiFace).c_str());
    HGDIOBJ old = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, color);
    RECT box = rect;
    ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &box,
                DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP);
    SelectObject(dc, old);
    DeleteObject(font);
}

void Paint(HWND hwnd, HDC dc) {
    const ButtonState* state = StateOf(hwnd);
    if (!state) return;
    RECT rect;
    GetClientRect(hwnd, &rect);
    FillRect(dc, &rect, GetSysColorBrush(COLOR_BTNFACE));
    const bool down = (state->pressed && state->hot) || state->glyph == PanelGlyph::PinPushed;
    if (down) {
        DrawEdge(dc, &rect, BDR_SUNKENOUTER, BF_RECT);
    } else if (state->hot) {
        DrawEdge(dc, &rect, BDR_RAISEDINNER, BF_RECT);
    }
    RECT inner = rect;
    if (down) OffsetRect(&inner, 1, 1);
    const COLORREF color = GetSysColor(IsWindowEnabled(hwnd) ? COLOR_BTNTEXT : COLOR_GRAYTEXT);
    if (state->glyph == PanelGlyph::Text) {
        DrawText(hwnd, dc, inner, color);
    } else {
        DrawPanelGlyph(dc, inner, state->glyph, color, GetSysColor(COLOR_BTNFACE));
    }
}

void Clicked(HWND hwnd) {
    SendMessageW(GetParent(hwnd), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(hwnd), BN_CLICKED),
                 reinterpret_cast<LPARAM>(hwnd));
}

bool PointerInside(HWND hwnd, LPARAM lParam) {
    RECT rect;
    GetClientRect(hwnd, &rect);
    const POINT p{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    return PtInRect(&rect, p) != FALSE;
}

void SetHot(HWND hwnd, ButtonState& state, bool hot) {
    if (state.hot == hot) return;
    state.hot = hot;
    InvalidateRect(hwnd, nullptr, FALSE);
}

LRESULT CALLBACK PanelButtonProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    ButtonState* state = StateOf(hwnd);
    switch (message) {
        case WM_NCCREATE:
            SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(new ButtonState));
            break;
        case WM_NCDESTROY:
            delete state;
            SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
            break;
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(hwnd, &ps);
            Paint(hwnd, dc);
            EndPaint(hwnd, &ps);
            return 0;
        }
        case WM_PRINTCLIENT:
            Paint(hwnd, reinterpret_cast<HDC>(wParam));
            return 0;
        case WM_SETTEXT: {
            const LRESULT result = DefWindowProcW(hwnd, message, wParam, lParam);
            InvalidateRect(hwnd, nullptr, FALSE);
            return result;
        }
        case WM_MOUSEMOVE:
            if (!state) break;
            if (!state->tracking) {
                TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, hwnd, 0};
                state->tracking = TrackMouseEvent(&track) != FALSE;
            }
            SetHot(hwnd, *state, PointerInside(hwnd, lParam));
            return 0;
        case WM_MOUSELEAVE:
            if (!state) break;
            state->tracking = false;
            if (!state->pressed) SetHot(hwnd, *state, false);
            return 0;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            if (!state) break;
            state->pressed = true;
            state->hot = true;
            SetCapture(hwnd);
            InvalidateRect(hwnd, nullptr, FALSE);
            return 0;
        case WM_LBUTTONUP: {
            if (!state) break;
            const bool click = state->pressed && PointerInside(hwnd, lParam);
            state->pressed = false;
            if (GetCapture() == hwnd) ReleaseCapture();
            SetHot(hwnd, *state, PointerInside(hwnd, lParam));
            InvalidateRect(hwnd, nullptr, FALSE);
            if (click) Clicked(hwnd);
            return 0;
        }
        case WM_CAPTURECHANGED:
            if (state && state->pressed) {
                state->pressed = false;
                InvalidateRect(hwnd, nullptr, FALSE);
            }
            return 0;
        case BM_CLICK:
            if (IsWindowEnabled(hwnd)) Clicked(hwnd);
            return 0;
        case WM_MOUSEACTIVATE:
            // A click on a button must not take the focus from the calendar.
            return MA_NOACTIVATE;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

void RegisterClassOnce(HINSTANCE instance) {
    WNDCLASSEXW wc{};
    if (GetClassInfoExW(instance, kPanelButtonClass, &wc)) return;
    wc.cbSize = sizeof(wc);
    wc.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
    wc.lpfnWndProc = PanelButtonProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = kPanelButtonClass;
    RegisterClassExW(&wc);
}

}  // namespace

void DrawPanelGlyph(HDC dc, const RECT& rect, PanelGlyph glyph, COLORREF color, COLORREF background) {
    switch (glyph) {
        case PanelGlyph::Text: break;
        case PanelGlyph::PrevYear: DrawArrows(dc, rect, -1, 2, color); break;
        case PanelGlyph::PrevMonth: DrawArrows(dc, rect, -1, 1, color); break;
        case PanelGlyph::NextMonth: DrawArrows(dc, rect, +1, 1, color); break;
        case PanelGlyph::NextYear: DrawArrows(dc, rect, +1, 2, color); break;
        case PanelGlyph::PinLoose: DrawPin(dc, rect, false, color); break;
        case PanelGlyph::PinPushed: DrawPin(dc, rect, true, color); break;
        case PanelGlyph::Close: DrawCross(dc, rect, color); break;
        case PanelGlyph::Add: DrawPlus(dc, rect, true, color); break;
        case PanelGlyph::Remove: DrawPlus(dc, rect, false, color); break;
        case PanelGlyph::Open: DrawFolder(dc, rect, color, background); break;
        case PanelGlyph::Save: DrawDisk(dc, rect, color, background); break;
    }
}

HWND CreatePanelButton(HWND parent, int id, PanelGlyph glyph, const wchar_t* text) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    RegisterClassOnce(instance);
    HWND button = CreateWindowExW(0, kPanelButtonClass, text, WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, parent,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
    if (button) SetPanelGlyph(button, glyph);
    return button;
}

void RegisterPanelButtonClass() { RegisterClassOnce(GetModuleHandleW(nullptr)); }

void SetPanelGlyph(HWND button, PanelGlyph glyph) {
    if (ButtonState* state = StateOf(button)) {
        state->glyph = glyph;
        InvalidateRect(button, nullptr, FALSE);
    }
}

PanelGlyph PanelGlyphOf(HWND button) {
    const ButtonState* state = StateOf(button);
    return state ? state->glyph : PanelGlyph::Text;
}

}  // namespace zenka
