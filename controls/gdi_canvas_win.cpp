#include "controls/gdi_canvas_win.h"

#include <string>

#include "common/font_win.h"
#include "common/utf16_win.h"

namespace zenka {

namespace {

// Eight day fonts, and room for those of an edit in progress.
constexpr size_t kMostCachedFonts = 16;

RECT RectOf(const Rect& r) { return {r.left, r.top, r.right, r.bottom}; }

}  // namespace

HFONT FontCache::Get(const FontDescription& font) {
    for (const auto& [description, handle] : fonts_) {
        if (description == font) return handle;
    }
    HFONT handle = CreateFontFor(font);
    if (!handle) handle = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    fonts_.emplace_back(font, handle);
    return handle;
}

void FontCache::Trim() {
    if (fonts_.size() > kMostCachedFonts) Clear();
}

void FontCache::Clear() {
    // Stock objects are not deleted; DeleteObject ignores them.
    for (const auto& entry : fonts_) DeleteObject(entry.second);
    fonts_.clear();
}

COLORREF ColorRefOf(Color color) {
    if (IsSystemColor(color)) return GetSysColor(static_cast<int>(color & 0xFF));
    return color & 0xFFFFFF;
}

GdiCalendarCanvas::GdiCalendarCanvas(HDC dc, FontCache& fonts)
    : dc_(dc),
      fonts_(fonts),
      oldFont_(GetCurrentObject(dc, OBJ_FONT)),
      oldPen_(SelectObject(dc, GetStockObject(DC_PEN))),
      oldBrush_(SelectObject(dc, GetStockObject(DC_BRUSH))),
      oldBkMode_(SetBkMode(dc, TRANSPARENT)) {}

GdiCalendarCanvas::~GdiCalendarCanvas() {
    SelectObject(dc_, oldFont_);
    SelectObject(dc_, oldPen_);
    SelectObject(dc_, oldBrush_);
    SetBkMode(dc_, oldBkMode_);
}

Color GdiCalendarCanvas::ToRgb(Color color) const { return ColorRefOf(color); }

void GdiCalendarCanvas::FillRect(const Rect& rect, Color color) {
    const RECT r = RectOf(rect);
    SetDCBrushColor(dc_, ColorRefOf(color));
    ::FillRect(dc_, &r, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

void GdiCalendarCanvas::Line(int x1, int y1, int x2, int y2, Color color) {
    SetDCPenColor(dc_, ColorRefOf(color));
    MoveToEx(dc_, x1, y1, nullptr);
    LineTo(dc_, x2, y2);
}

void GdiCalendarCanvas::CenteredText(const Rect& rect, std::string_view text, const FontDescription& font,
                                     Color color, bool clip) {
    SelectObject(dc_, fonts_.Get(font));
    SetTextColor(dc_, ColorRefOf(color));
    RECT r = RectOf(rect);
    std::wstring wide = Widen(text);
    UINT format = DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_NOPREFIX;
    if (!clip) format |= DT_NOCLIP;
    DrawTextW(dc_, wide.c_str(), static_cast<int>(wide.size()), &r, format);
}

}  // namespace zenka
