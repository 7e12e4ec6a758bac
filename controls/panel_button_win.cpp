#include "controls/panel_button_win.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "common/font.h"
#include "common/utf16_win.h"
#include "controls/push_button_accessible_win.h"
#include "controls/window_base_win.h"

namespace zenka {

const wchar_t* const kPanelButtonClass = L"TPanelButton";

namespace {

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

bool PointerInside(HWND hwnd, LPARAM lParam) {
    RECT rect;
    GetClientRect(hwnd, &rect);
    const POINT p{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    return PtInRect(&rect, p) != FALSE;
}

// Each button makes its own object, so that dialog templates may hold
// buttons too.
class PanelButton : public WindowBase {
public:
    PanelGlyph Glyph() const { return glyph_; }
    void SetGlyph(PanelGlyph glyph) {
        glyph_ = glyph;
        InvalidateRect(hwnd_, nullptr, FALSE);
    }
    void SetColors(const PanelColors& colors) {
        colors_ = colors;
        InvalidateRect(hwnd_, nullptr, FALSE);
    }

private:
    void OnPaint(HDC dc) override;
    void OnDestroy() override { accessible_.Drop(); }
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    LRESULT KeyDown(WPARAM key, LPARAM lParam);
    void Clicked() {
        SendMessageW(GetParent(hwnd_), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(hwnd_), BN_CLICKED),
                     reinterpret_cast<LPARAM>(hwnd_));
    }
    void SetHot(bool hot) {
        if (hot_ == hot) return;
        hot_ = hot;
        InvalidateRect(hwnd_, nullptr, FALSE);
    }

    PanelGlyph glyph_ = PanelGlyph::Text;
    std::optional<PanelColors> colors_;  // none: the system's, as they are now
    AccessibleSlot accessible_;
    bool hot_ = false;       // the pointer is over the button
    bool pressed_ = false;   // the left button went down on it
    bool tracking_ = false;  // asked to hear when the pointer leaves
};

// A one-pixel edge: topLeft along the top and left, bottomRight along the
// bottom and right.
void DrawEdges(HDC dc, const RECT& r, COLORREF topLeft, COLORREF bottomRight) {
    const auto fill = [dc](int left, int top, int right, int bottom, COLORREF color) {
        SetDCBrushColor(dc, color);
        const RECT part{left, top, right, bottom};
        FillRect(dc, &part, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
    };
    fill(r.left, r.top, r.right, r.top + 1, topLeft);
    fill(r.left, r.top, r.left + 1, r.bottom, topLeft);
    fill(r.left, r.bottom - 1, r.right, r.bottom, bottomRight);
    fill(r.right - 1, r.top, r.right, r.bottom, bottomRight);
}

void PanelButton::OnPaint(HDC dc) {
    RECT rect;
    GetClientRect(hwnd_, &rect);
    const PanelColors colors = colors_.value_or(SystemPanelColors());
    SetDCBrushColor(dc, colors.face);
    FillRect(dc, &rect, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
    const bool down = (pressed_ && hot_) || glyph_ == PanelGlyph::PinPushed;
    if (down) {
        DrawEdges(dc, rect, colors.shadow, colors.light);
    } else if (hot_) {
        DrawEdges(dc, rect, colors.light, colors.shadow);
    }
    RECT inner = rect;
    if (down) OffsetRect(&inner, 1, 1);
    COLORREF color = colors.text;
    if (!IsWindowEnabled(hwnd_)) {
        color = colors_ ? RGB((GetRValue(colors.text) + GetRValue(colors.face)) / 2,
                              (GetGValue(colors.text) + GetGValue(colors.face)) / 2,
                              (GetBValue(colors.text) + GetBValue(colors.face)) / 2)
                        : GetSysColor(COLOR_GRAYTEXT);
    }
    if (glyph_ == PanelGlyph::Text) {
        DrawText(hwnd_, dc, inner, color);
    } else {
        DrawPanelGlyph(dc, inner, glyph_, color, colors.face);
    }
    if (GetFocus() == hwnd_) {
        // Only the keyboard gives a button the focus, so it is always marked.
        RECT mark = rect;
        InflateRect(&mark, -2, -2);
        SetTextColor(dc, colors.text);
        SetBkColor(dc, colors.face);
        DrawFocusRect(dc, &mark);
    }
}

// Space and Enter press the focused button; every other key is its
// window's, as if the button were not there (Tab moves on, the calendar's
// letters keep working).
LRESULT PanelButton::KeyDown(WPARAM key, LPARAM lParam) {
    const bool repeat = (lParam & (1 << 30)) != 0;
    if (key == VK_SPACE || key == VK_RETURN) {
        if (!repeat && IsWindowEnabled(hwnd_)) Clicked();
        return 0;
    }
    return SendMessageW(GetParent(hwnd_), WM_KEYDOWN, key, lParam);
}

LRESULT PanelButton::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ERASEBKGND:
            return 1;
        case WM_SETTEXT: {
            const LRESULT result = DefaultProcessing(message, wParam, lParam);
            InvalidateRect(hwnd_, nullptr, FALSE);
            return result;
        }
        case WM_MOUSEMOVE:
            if (!tracking_) {
                TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, hwnd_, 0};
                tracking_ = TrackMouseEvent(&track) != FALSE;
            }
            SetHot(PointerInside(hwnd_, lParam));
            return 0;
        case WM_MOUSELEAVE:
            tracking_ = false;
            if (!pressed_) SetHot(false);
            return 0;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            pressed_ = true;
            hot_ = true;
            SetCapture(hwnd_);
            InvalidateRect(hwnd_, nullptr, FALSE);
            return 0;
        case WM_LBUTTONUP: {
            const bool click = pressed_ && PointerInside(hwnd_, lParam);
            pressed_ = false;
            if (GetCapture() == hwnd_) ReleaseCapture();
            SetHot(PointerInside(hwnd_, lParam));
            InvalidateRect(hwnd_, nullptr, FALSE);
            if (click) Clicked();
            return 0;
        }
        case WM_CAPTURECHANGED:
            if (pressed_) {
                pressed_ = false;
                InvalidateRect(hwnd_, nullptr, FALSE);
            }
            return 0;
        case BM_CLICK:
            if (IsWindowEnabled(hwnd_)) Clicked();
            return 0;
        case WM_MOUSEACTIVATE:
            // A click on a button must not take the focus from the calendar.
            return MA_NOACTIVATE;
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            InvalidateRect(hwnd_, nullptr, FALSE);
            return 0;
        case WM_GETDLGCODE:
            return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
        case WM_KEYDOWN:
            return KeyDown(wParam, lParam);
        case WM_GETOBJECT:
            if (static_cast<LONG>(lParam) != OBJID_CLIENT) break;
            return accessible_.Answer(wParam, [this] {
                return PushButtonAccessible::Create(hwnd_, [this] { return glyph_ == PanelGlyph::PinPushed; });
            });
    }
    return DefaultProcessing(message, wParam, lParam);
}

void RegisterClassOnce() {
    WindowBase::RegisterClassOwningObjects<PanelButton>({kPanelButtonClass, CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS});
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
    RegisterClassOnce();
    HWND button = CreateWindowExW(0, kPanelButtonClass, text, WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, 0, 0, 0, parent,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr),
                                  nullptr);
    if (button) SetPanelGlyph(button, glyph);
    return button;
}

void RegisterPanelButtonClass() { RegisterClassOnce(); }

PanelColors SystemPanelColors() {
    return {GetSysColor(COLOR_BTNFACE), GetSysColor(COLOR_BTNTEXT), GetSysColor(COLOR_BTNHIGHLIGHT),
            GetSysColor(COLOR_BTNSHADOW)};
}

void SetPanelColors(HWND button, const PanelColors& colors) {
    if (PanelButton* object = WindowBase::ObjectOf<PanelButton>(button)) object->SetColors(colors);
}

void SetPanelGlyph(HWND button, PanelGlyph glyph) {
    if (PanelButton* object = WindowBase::ObjectOf<PanelButton>(button)) object->SetGlyph(glyph);
}

PanelGlyph PanelGlyphOf(HWND button) {
    const PanelButton* object = WindowBase::ObjectOf<PanelButton>(button);
    return object ? object->Glyph() : PanelGlyph::Text;
}

}  // namespace zenka
