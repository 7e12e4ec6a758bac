// The calendar's canvas on a GDI device context.
#pragma once

#include <windows.h>

#include <utility>
#include <vector>

#include "controls/month_calendar.h"

namespace zenka {

// The real fonts made for font descriptions, kept between renders.
class FontCache {
public:
    FontCache() = default;
    FontCache(const FontCache&) = delete;
    FontCache& operator=(const FontCache&) = delete;
    ~FontCache() { Clear(); }

    HFONT Get(const FontDescription& font);
    // Frees the fonts once more have gathered than a grid can use, as they
    // do when fonts are edited. Only between renders.
    void Trim();
    void Clear();

private:
    std::vector<std::pair<FontDescription, HFONT>> fonts_;
};

// The platform colour of a colour, a system colour looked up.
COLORREF ColorRefOf(Color color);

class GdiCalendarCanvas : public CalendarCanvas {
public:
    GdiCalendarCanvas(HDC dc, FontCache& fonts);
    GdiCalendarCanvas(const GdiCalendarCanvas&) = delete;
    GdiCalendarCanvas& operator=(const GdiCalendarCanvas&) = delete;
    // Gives the device context back its own font, pen and brush.
    ~GdiCalendarCanvas() override;

    Color ToRgb(Color color) const override;
    void FillRect(const Rect& rect, Color color) override;
    void Line(int x1, int y1, int x2, int y2, Color color) override;
    void CenteredText(const Rect& rect, std::string_view text, const FontDescription& font, Color color,
                      bool clip) override;

private:
    HDC dc_;
    FontCache& fonts_;
    HGDIOBJ oldFont_;
    HGDIOBJ oldPen_;
    HGDIOBJ oldBrush_;
    int oldBkMode_;
};

}  // namespace zenka
