// The month calendar control without its window: the selected date, the
// three day lists, the eight day fonts and the layout options; which cell
// shows which day, how each cell is drawn on a canvas, and how host calls,
// keys and mouse presses move the date. month_calendar_win.cpp puts it in a
// window and turns the canvas calls into pixels.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/clock.h"
#include "calendar/day_classifier.h"
#include "calendar/day_rule.h"
#include "common/color.h"
#include "common/font.h"
#include "common/palette.h"
#include "common/rect.h"

namespace zenka {

// The eight day fonts, by DayFontIndex. With Synchronize on, assigning any
// one of them assigns all eight.
class TCalEX2kFonts {
public:
    TCalEX2kFonts();

    const FontDescription& Font(DayFontIndex index) const;
    void SetFont(DayFontIndex index, const FontDescription& font);

    const FontDescription& Weekday() const { return Font(kFontWeekday); }
    const FontDescription& Saturday() const { return Font(kFontSaturday); }
    const FontDescription& Sunday() const { return Font(kFontSunday); }
    const FontDescription& DayOfWeek() const { return Font(kFontDayOfWeek); }
    const FontDescription& Holiday() const { return Font(kFontHoliday); }
    const FontDescription& SpecialDay() const { return Font(kFontSpecialDay); }
    const FontDescription& YoteiDay() const { return Font(kFontYoteiDay); }
    const FontDescription& Rokuyo() const { return Font(kFontRokuyo); }
    void SetWeekday(const FontDescription& font) { SetFont(kFontWeekday, font); }
    void SetSaturday(const FontDescription& font) { SetFont(kFontSaturday, font); }
    void SetSunday(const FontDescription& font) { SetFont(kFontSunday, font); }
    void SetDayOfWeek(const FontDescription& font) { SetFont(kFontDayOfWeek, font); }
    void SetHoliday(const FontDescription& font) { SetFont(kFontHoliday, font); }
    void SetSpecialDay(const FontDescription& font) { SetFont(kFontSpecialDay, font); }
    void SetYoteiDay(const FontDescription& font) { SetFont(kFontYoteiDay, font); }
    void SetRokuyo(const FontDescription& font) { SetFont(kFontRokuyo, font); }

    bool Synchronize() const { return synchronize_; }
    void SetSynchronize(bool value) { synchronize_ = value; }

    // Called once after any assignment that changed a font; the control
    // owning the set re-renders.
    std::function<void()> OnChange;

private:
    std::array<FontDescription, 8> fonts_;
    bool synchronize_ = false;
};

class TCustomCalendarEx2k;

// Fired once per real change of the selected date, after it is drawn.
using TDayChangeEvent = std::function<void(TCustomCalendarEx2k& sender, int32_t y, uint8_t m, uint8_t d)>;

// The date, the day lists, the fonts, the background colour and the day
// classification. Every change that shows calls Render.
class TCustomCalendarEx2k {
public:
    // The clock gives today's date, now and for GoToday; it must outlive
    // the control.
    explicit TCustomCalendarEx2k(const Clock& clock);
    virtual ~TCustomCalendarEx2k() = default;
    TCustomCalendarEx2k(const TCustomCalendarEx2k&) = delete;
    TCustomCalendarEx2k& operator=(const TCustomCalendarEx2k&) = delete;

    int32_t JuliusDay() const { return julius_; }
    // A day outside the supported range is ignored: the date stays where
    // it is, as it does for every step below that would leave the range.
    void SetJuliusDay(int32_t value);

    int32_t Year() const { return date_.year; }
    uint8_t Month() const { return date_.month; }
    uint8_t Day() const { return date_.day; }
    // Replace one part of the date; a date that does not exist (31 April)
    // is ignored, one in the 1582 gap raises EJuliusError.
    void SetYear(int32_t value);
    void SetMonth(uint8_t value);
    void SetDay(uint8_t value);

    const DayList& HolidayList() const { return rules_.HolidayList; }
    const DayList& SpecialDayList() const { return rules_.SpecialDayList; }
    const DayList& YoteiDayList() const { return rules_.YoteiDayList; }
    void SetHolidayList(std::vector<std::string> lines);
    void SetSpecialDayList(std::vector<std::string> lines);
    void SetYoteiDayList(std::vector<std::string> lines);
    const DayRuleSet& Rules() const { return rules_; }

    TCalEX2kFonts& Fonts() { return fonts_; }
    const TCalEX2kFonts& Fonts() const { return fonts_; }

    zenka::Color Color() const { return color_; }
    void SetColor(zenka::Color value);
    bool AutoEquinox() const { return rules_.AutoEquinox; }
    void SetAutoEquinox(bool value);
    bool AutoFurikae() const { return rules_.AutoFurikae; }
    void SetAutoFurikae(bool value);

    TDayChangeEvent OnDayChange;

    // Navigation. Month and year steps keep the day unless the target month
    // is shorter. Steps landing in the 1582 gap raise EJuliusError and leave
    // the date as it was; day steps never raise. At the ends of the
    // supported range a step beyond it changes nothing. GoToday on a clock
    // set beyond the range goes to its nearer end.
    void SetDate(int32_t year, uint8_t month, uint8_t day);
    void GoToday();
    void NextDay();
    void PrevDay();
    void NextMonth();
    void PrevMonth();
    void NextYear();
    void PrevYear();

    // Day classification over the control's lists and switches.
    DayRuleResolution ParseDayRule(std::string_view line, int32_t year, uint8_t requestedMonth) const;
    virtual uint8_t GetDayAttributes(int32_t y, uint8_t m, uint8_t d) const;
    virtual DayFontIndex GetDayFontIndex(int32_t y, uint8_t m, uint8_t d) const;
    // The control's own font for the day, not a copy.
    const FontDescription& GetDayFont(int32_t y, uint8_t m, uint8_t d) const;
    virtual std::string GetDayNames(int32_t y, uint8_t m, uint8_t d) const;

    int ClientWidth() const { return clientWidth_; }
    int ClientHeight() const { return clientHeight_; }
    // The window's client area changed size.
    void SetClientSize(int width, int height);

protected:
    // Draws the control afresh and shows it. Without a window there is
    // nothing to draw; the window layer overrides this.
    virtual void Render() {}
    virtual void DoDayChange(int32_t y, uint8_t m, uint8_t d);

    // Stores a changed option and renders; an unchanged value does nothing.
    template <class T>
    void ChangeOption(T& option, T value) {
        if (option == value) return;
        option = value;
        Render();
    }

private:
    void SetList(DayList& list, std::vector<std::string> lines);
    // Moves to a month of a year (month outside 1..12 carries into the
    // year), keeping the day where the month allows.
    void GoToMonth(int32_t year, int month);

    const Clock& clock_;
    int32_t julius_;
    CivilDate date_;
    DayRuleSet rules_;
    TCalEX2kFonts fonts_;
    zenka::Color color_ = clWindow;
    int clientWidth_ = 0;
    int clientHeight_ = 0;
};

// Weekday of the grid's first column; ordinals 0..6 from Sunday.
enum TDayOfWeek : uint8_t { dowSun, dowMon, dowTue, dowWed, dowThu, dowFri, dowSat };

// Where the grid is drawn: the window's offscreen bitmap, or a recorder.
class CalendarCanvas {
public:
    virtual ~CalendarCanvas() = default;
    // The red, green and blue of a colour, a system colour looked up.
    virtual Color ToRgb(Color color) const = 0;
    virtual void FillRect(const Rect& rect, Color color) = 0;
    // A one-pixel line from (x1, y1) up to, not including, (x2, y2).
    virtual void Line(int x1, int y1, int x2, int y2, Color color) = 0;
    // One line of text centred both ways in rect, without a background, in
    // the font's face and style and the given colour; clipped to rect when
    // clip is set.
    virtual void CenteredText(const Rect& rect, std::string_view text, const FontDescription& font, Color color,
                              bool clip) = 0;
};

enum class CalendarKey { Left, Right, Up, Down, PageUp, PageDown, Other };

struct GridCell {
    int column = 0;
    int row = 0;  // 0 is the weekday header

    friend bool operator==(const GridCell&, const GridCell&) = default;
};

// The header names of the weekdays, Sunday first.
extern const std::array<std::string_view, 7> kWeekdayHeaderNames;

// The month grid: seven columns under a header row of weekday names.
class TMonthlyCalendar : public TCustomCalendarEx2k {
public:
    explicit TMonthlyCalendar(const Clock& clock);

    TDayOfWeek FirstDayOfWeek() const { return firstDayOfWeek_; }
    void SetFirstDayOfWeek(TDayOfWeek value);
    zenka::Color NeighborColor() const { return neighborColor_; }
    void SetNeighborColor(zenka::Color value) { ChangeOption(neighborColor_, value); }
    zenka::Color DayOfWeekBkColor() const { return dayOfWeekBkColor_; }
    void SetDayOfWeekBkColor(zenka::Color value) { ChangeOption(dayOfWeekBkColor_, value); }
    bool ShowNeighbor() const { return showNeighbor_; }
    void SetShowNeighbor(bool value) { ChangeOption(showNeighbor_, value); }
    bool ShowLine() const { return showLine_; }
    void SetShowLine(bool value) { ChangeOption(showLine_, value); }
    // Only read by a mouse press, so changing it draws nothing.
    bool NeighborJump() const { return neighborJump_; }
    void SetNeighborJump(bool value) { neighborJump_ = value; }
    bool AutoResize() const { return autoResize_; }
    void SetAutoResize(bool value) { ChangeOption(autoResize_, value); }
    bool FirstRowFirstDay() const { return firstRowFirstDay_; }
    void SetFirstRowFirstDay(bool value) { ChangeOption(firstRowFirstDay_, value); }
    bool LastRowLastDay() const { return lastRowLastDay_; }
    void SetLastRowLastDay(bool value) { ChangeOption(lastRowLastDay_, value); }
    bool ShowRokuyo() const { return showRokuyo_; }
    void SetShowRokuyo(bool value) { ChangeOption(showRokuyo_, value); }
    // The theme's colours, drawn over the ones set up above where the
    // theme has its own; the light palette until told otherwise.
    const zenka::Palette& Palette() const { return palette_; }
    void SetPalette(const zenka::Palette& value) { ChangeOption(palette_, value); }

    // Rows including the header: 5..7 when following the month, else 7.
    virtual int RowCount() const;
    // The Julius day in row 1, column 0.
    virtual int32_t FirstCellDay() const;
    // The day in a week row (row >= 1); rows and columns past the grid's
    // edges continue the sequence of days.
    int32_t CellDay(int column, int row) const { return FirstCellDay() + (row - 1) * 7 + column; }

    // Cells tile the client area exactly, the odd pixels spread over them.
    Rect CellRect(int column, int row) const;
    // The cell drawn under a point, by the same edges as CellRect; nothing
    // for a point outside the client area.
    virtual std::optional<GridCell> CellFromPoint(int x, int y) const;

    // Fills the background and draws every cell.
    void DrawGrid(CalendarCanvas& canvas) const;
    virtual void DrawCell(CalendarCanvas& canvas, int column, int row, const Rect& rect) const;
    // Day list lines that could not be read while drawing, in the order met,
    // since the last call. The drawing counts them as not matching.
    std::vector<EDayRuleError> TakeUnreadableLines();

    // Arrow and page keys move the date; answers whether the key was one.
    bool KeyDown(CalendarKey key);
    // A press of any mouse button selects the day under it: a day of the
    // shown month always, a neighbour day only with NeighborJump.
    void MouseDown(int x, int y);

private:
    // Where column 0..7 and row 0..rows begin, in client pixels.
    int ColumnEdge(int column) const;
    int RowEdge(int row, int rows) const;

    // The day's font; a line that cannot be read counts as not matching and
    // is kept for TakeUnreadableLines.
    DayFontIndex CellFontIndex(const CivilDate& date) const;
    // How far a neighbour day fades into the ground: as far as NeighborColor
    // lies from black (silver: three quarters of the way).
    double NeighbourFade() const;

    mutable std::vector<EDayRuleError> unreadableLines_;
    TDayOfWeek firstDayOfWeek_ = dowSun;
    zenka::Color neighborColor_ = clSilver;
    zenka::Color dayOfWeekBkColor_ = clNavy;
    bool showNeighbor_ = false;
    bool showLine_ = false;
    bool neighborJump_ = false;
    bool autoResize_ = true;
    bool firstRowFirstDay_ = false;
    bool lastRowLastDay_ = false;
    bool showRokuyo_ = false;
    zenka::Palette palette_ = PaletteFor(ThemeState{});
};

}  // namespace zenka
