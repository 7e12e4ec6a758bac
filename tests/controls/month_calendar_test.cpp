#include "controls/month_calendar.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "calendar/default_holidays.h"
#include "calendar/julius.h"
#include "calendar/old_calendar.h"
#include "common/contrast.h"
#include "tests/fakes/fake_clock.h"

namespace zenka {
namespace {

struct DayChange {
    int32_t y;
    int m, d;
    friend bool operator==(const DayChange&, const DayChange&) = default;
};

// Counts renders and records every day change.
class TestCalendar : public TMonthlyCalendar {
public:
    explicit TestCalendar(const Clock& clock) : TMonthlyCalendar(clock) {
        OnDayChange = [this](TCustomCalendarEx2k& sender, int32_t y, uint8_t m, uint8_t d) {
            EXPECT_EQ(&sender, this);
            changes.push_back({y, m, d});
        };
    }
    int renders = 0;
    std::vector<DayChange> changes;

protected:
    void Render() override { ++renders; }
};

// Starts each test on a given date with the counters cleared.
struct Fixture {
    explicit Fixture(int32_t y, uint8_t m, uint8_t d) : clock(y, m, d), calendar(clock) {}
    void Reset() {
        calendar.renders = 0;
        calendar.changes.clear();
    }
    FakeClock clock;
    TestCalendar calendar;
};

CivilDate DateOf(int32_t julius) { return JuliusToDate(julius); }
CivilDate Date(int32_t y, uint8_t m, uint8_t d) { return {y, m, d}; }
CivilDate Selected(const TMonthlyCalendar& c) { return {c.Year(), c.Month(), c.Day()}; }

TEST(MonthGrid, FirstCellAndRowCountFollowTheOptions) {
    Fixture f(2009, 2, 14);
    TestCalendar& c = f.calendar;
    // 1 February 2009 is a Sunday and 28 February a Saturday.
    EXPECT_EQ(DateOf(c.FirstCellDay()), Date(2009, 1, 25));
    EXPECT_EQ(c.RowCount(), 7);
    c.SetFirstRowFirstDay(true);
    EXPECT_EQ(DateOf(c.FirstCellDay()), Date(2009, 2, 1));
    EXPECT_EQ(c.RowCount(), 6);
    c.SetLastRowLastDay(true);
    EXPECT_EQ(c.RowCount(), 5);
    c.SetAutoResize(false);
    EXPECT_EQ(c.RowCount(), 7);

    Fixture june(2006, 6, 10);
    june.calendar.SetFirstDayOfWeek(dowMon);
    EXPECT_EQ(DateOf(june.calendar.FirstCellDay()), Date(2006, 5, 29));
    EXPECT_EQ(june.calendar.RowCount(), 6);
}

TEST(MonthGrid, October1582SkipsTheTenLostDays) {
    Fixture f(1582, 10, 4);
    TestCalendar& c = f.calendar;
    EXPECT_EQ(c.RowCount(), 5);
    std::vector<CivilDate> firstRow;
    for (int column = 0; column < 7; ++column) firstRow.push_back(DateOf(c.CellDay(column, 1)));
    EXPECT_EQ(firstRow, (std::vector<CivilDate>{Date(1582, 9, 30), Date(1582, 10, 1), Date(1582, 10, 2),
                                               Date(1582, 10, 3), Date(1582, 10, 4), Date(1582, 10, 15),
                                               Date(1582, 10, 16)}));
    EXPECT_EQ(DateOf(c.CellDay(0, 4)), Date(1582, 10, 31));
}

TEST(MonthGrid, CellsTileTheClientAreaWithoutGaps) {
    Fixture f(2006, 1, 1);
    TestCalendar& c = f.calendar;
    c.SetClientSize(115, 102);
    const int rows = c.RowCount();
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < 7; ++column) {
            const Rect cell = c.CellRect(column, row);
            if (column > 0) {
                EXPECT_EQ(cell.left, c.CellRect(column - 1, row).right);
            }
            if (row > 0) {
                EXPECT_EQ(cell.top, c.CellRect(column, row - 1).bottom);
            }
        }
    }
    EXPECT_EQ(c.CellRect(0, 0), (Rect{0, 0, 16, 14}));
    EXPECT_EQ(c.CellRect(6, rows - 1), (Rect{98, 87, 115, 102}));
}

TEST(MonthNavigation, MonthAndYearStepsClampTheDay) {
    Fixture f(2006, 1, 31);
    TestCalendar& c = f.calendar;
    c.NextMonth();
    EXPECT_EQ(Selected(c), Date(2006, 2, 28));
    c.SetDate(2006, 3, 31);
    c.PrevMonth();
    EXPECT_EQ(Selected(c), Date(2006, 2, 28));
    c.SetDate(2008, 2, 29);
    c.NextYear();
    EXPECT_EQ(Selected(c), Date(2009, 2, 28));
    c.SetDate(2008, 2, 29);
    c.PrevYear();
    EXPECT_EQ(Selected(c), Date(2007, 2, 28));
    c.SetDate(2006, 12, 31);
    c.NextMonth();
    EXPECT_EQ(Selected(c), Date(2007, 1, 31));
    c.PrevMonth();
    EXPECT_EQ(Selected(c), Date(2006, 12, 31));

    f.clock.Set(2026, 5, 6);
    c.GoToday();
    EXPECT_EQ(Selected(c), Date(2026, 5, 6));
    EXPECT_EQ(c.changes.back(), (DayChange{2026, 5, 6}));
}

TEST(MonthNavigation, StepsIntoThe1582GapRaiseAndKeepTheDate) {
    Fixture f(1582, 9, 7);
    TestCalendar& c = f.calendar;
    f.Reset();
    try {
        c.NextMonth();
        ADD_FAILURE() << "NextMonth into the gap did not raise";
    } catch (const EJuliusError& e) {
        EXPECT_STREQ(e.what(), "1582/10/5-10/14は存在しません。");
    }
    EXPECT_THROW(c.KeyDown(CalendarKey::PageDown), EJuliusError);
    EXPECT_THROW(c.SetDate(1582, 10, 10), EJuliusError);
    EXPECT_EQ(Selected(c), Date(1582, 9, 7));
    EXPECT_TRUE(c.changes.empty());
    EXPECT_EQ(c.renders, 0);

    // Day steps count days, so they cross the gap.
    c.SetDate(1582, 10, 4);
    c.KeyDown(CalendarKey::Right);
    EXPECT_EQ(Selected(c), Date(1582, 10, 15));
}

TEST(MonthNavigation, StopsAtTheEndsOfTheSupportedRange) {
    struct Step {
        const char* name;
        void (*apply)(TestCalendar&);
    };
    const Step steps[] = {
        {"NextDay", [](TestCalendar& c) { c.NextDay(); }},
        {"PrevDay", [](TestCalendar& c) { c.PrevDay(); }},
        {"Down", [](TestCalendar& c) { c.KeyDown(CalendarKey::Down); }},
        {"Up", [](TestCalendar& c) { c.KeyDown(CalendarKey::Up); }},
        {"NextMonth", [](TestCalendar& c) { c.NextMonth(); }},
        {"PrevMonth", [](TestCalendar& c) { c.PrevMonth(); }},
        {"PageDown", [](TestCalendar& c) { c.KeyDown(CalendarKey::PageDown); }},
        {"PageUp", [](TestCalendar& c) { c.KeyDown(CalendarKey::PageUp); }},
        {"NextYear", [](TestCalendar& c) { c.NextYear(); }},
        {"PrevYear", [](TestCalendar& c) { c.PrevYear(); }},
        {"SetDate 10000-01-01", [](TestCalendar& c) { c.SetDate(10000, 1, 1); }},
        {"SetDate 9999-13-01", [](TestCalendar& c) { c.SetDate(9999, 13, 1); }},
        {"SetDate -4713-12-31", [](TestCalendar& c) { c.SetDate(-4713, 12, 31); }},
        {"SetDate -4712-01-00", [](TestCalendar& c) { c.SetDate(-4712, 1, 0); }},
        {"SetDate of the largest year", [](TestCalendar& c) { c.SetDate(INT32_MAX, 1, 1); }},
        {"SetDate of the smallest year", [](TestCalendar& c) { c.SetDate(INT32_MIN, 12, 31); }},
        {"SetYear 10000", [](TestCalendar& c) { c.SetYear(10000); }},
        {"SetYear -4713", [](TestCalendar& c) { c.SetYear(-4713); }},
        {"SetJuliusDay -1", [](TestCalendar& c) { c.SetJuliusDay(-1); }},
        {"SetJuliusDay 5373485", [](TestCalendar& c) { c.SetJuliusDay(5373485); }},
    };
    // Which steps may move from each date: those staying inside the range.
    struct Start {
        CivilDate date;
        std::vector<std::string> moving;
    };
    const Start starts[] = {
        {{9999, 12, 31}, {"PrevDay", "Up", "PrevMonth", "PageUp", "PrevYear"}},
        {{9999, 12, 25}, {"NextDay", "PrevDay", "Up", "PrevMonth", "PageUp", "PrevYear"}},
        {{9999, 1, 31}, {"NextDay", "PrevDay", "Down", "Up", "NextMonth", "PrevMonth", "PageDown", "PageUp",
                         "PrevYear"}},
        {{-4712, 1, 1}, {"NextDay", "Down", "NextMonth", "PageDown", "NextYear"}},
        {{-4712, 12, 31}, {"NextDay", "PrevDay", "Down", "Up", "NextMonth", "PrevMonth", "PageDown", "PageUp",
                           "NextYear"}},
    };
    for (const Start& start : starts) {
        for (const Step& step : steps) {
            Fixture f(2006, 1, 1);
            TestCalendar& c = f.calendar;
            c.SetDate(start.date.year, start.date.month, start.date.day);
            ASSERT_EQ(Selected(c), start.date);
            f.Reset();
            step.apply(c);
            const bool moved = !c.changes.empty();
            const bool mayMove = std::find(start.moving.begin(), start.moving.end(), step.name) != start.moving.end();
            EXPECT_EQ(moved, mayMove) << step.name << " from " << start.date.year << "-" << int(start.date.month)
                                      << "-" << int(start.date.day);
            EXPECT_TRUE(IsSupportedDay(c.JuliusDay())) << step.name;
            EXPECT_EQ(c.renders, moved ? 1 : 0) << step.name;
        }
    }

    // A clock outside the range starts the calendar at the nearest end.
    FakeClock late(12000, 5, 5);
    TestCalendar fromLate(late);
    EXPECT_EQ(Selected(fromLate), Date(9999, 12, 31));
    FakeClock early(-5000, 5, 5);
    TestCalendar fromEarly(early);
    EXPECT_EQ(Selected(fromEarly), Date(-4712, 1, 1));
}

TEST(MonthSetters, FireOnlyOnRealChanges) {
    Fixture f(2006, 4, 30);
    TestCalendar& c = f.calendar;
    f.Reset();
    c.SetJuliusDay(c.JuliusDay());
    c.SetDay(31);                // 31 April does not exist
    c.SetMonth(4);               // the same date
    c.SetShowLine(false);        // already off
    c.SetColor(clWindow);        // already the colour
    c.SetHolidayList({});        // already empty
    c.Fonts().SetSunday(c.Fonts().Sunday());
    EXPECT_EQ(c.renders, 0);
    EXPECT_TRUE(c.changes.empty());

    c.SetDay(15);
    EXPECT_EQ(c.changes, (std::vector<DayChange>{{2006, 4, 15}}));
    EXPECT_EQ(c.renders, 1);

    f.Reset();
    c.SetDate(2006, 1, 31);
    c.SetMonth(2);  // 31 February: ignored
    EXPECT_EQ(Selected(c), Date(2006, 1, 31));
    EXPECT_EQ(c.changes.size(), 1u);

    f.Reset();
    c.SetShowLine(true);
    c.SetNeighborColor(clGray);
    c.SetFirstDayOfWeek(dowWed);
    c.SetAutoEquinox(false);
    c.SetHolidayList({"1,1,元旦"});
    c.SetHolidayList({"1,1,元旦"});
    EXPECT_EQ(c.renders, 5);
    c.SetNeighborJump(true);  // read by the mouse only
    EXPECT_EQ(c.renders, 5);
    EXPECT_THROW(c.SetFirstDayOfWeek(static_cast<TDayOfWeek>(7)), std::out_of_range);
    EXPECT_TRUE(c.changes.empty());
}

TEST(MonthSetters, SynchronizedFontsAllBecomeTheAssignedFont) {
    Fixture f(2006, 1, 1);
    TestCalendar& c = f.calendar;
    EXPECT_EQ(c.Fonts().Saturday().color, clBlue);
    EXPECT_EQ(c.Fonts().YoteiDay().color, clYellow);
    EXPECT_EQ(c.Fonts().Rokuyo().height, -13);

    FontDescription big;
    big.face = "MS Gothic";
    big.height = -20;
    big.bold = true;
    big.color = clPurple;
    f.Reset();
    c.Fonts().SetHoliday(big);
    EXPECT_EQ(c.Fonts().Holiday(), big);
    EXPECT_NE(c.Fonts().Sunday(), big);
    EXPECT_EQ(c.renders, 1);

    c.Fonts().SetSynchronize(true);
    big.color = clTeal;
    c.Fonts().SetHoliday(big);
    for (uint8_t i = 0; i < 8; ++i) EXPECT_EQ(c.Fonts().Font(DayFontIndex(i)), big) << "font " << int(i);
    EXPECT_EQ(c.renders, 2);
}

TEST(MonthInput, KeysStepByDayWeekAndMonth) {
    Fixture f(2006, 3, 3);
    TestCalendar& c = f.calendar;
    f.Reset();
    EXPECT_TRUE(c.KeyDown(CalendarKey::Up));
    EXPECT_EQ(c.changes, (std::vector<DayChange>{{2006, 2, 24}}));
    c.KeyDown(CalendarKey::Down);
    c.KeyDown(CalendarKey::Right);
    c.KeyDown(CalendarKey::Left);
    c.KeyDown(CalendarKey::Left);
    EXPECT_EQ(Selected(c), Date(2006, 3, 2));
    c.SetDate(2006, 1, 31);
    c.KeyDown(CalendarKey::PageDown);
    EXPECT_EQ(Selected(c), Date(2006, 2, 28));
    c.KeyDown(CalendarKey::PageUp);
    EXPECT_EQ(Selected(c), Date(2006, 1, 28));
    f.Reset();
    EXPECT_FALSE(c.KeyDown(CalendarKey::Other));
    EXPECT_TRUE(c.changes.empty());
}

TEST(MonthInput, PressesSelectTheDayDrawnUnderThePointer) {
    // Client sizes of the calendar: the demo's default, the calendar window
    // at 100 %, 125 % and 150 % in its normal and larger forms, sizes that are
    // no multiple of 7 or of the row count, and one narrower than 7 pixels.
    const std::pair<int, int> sizes[] = {{111, 98},  {112, 98},  {141, 124}, {170, 149}, {140, 126},
                                         {175, 161}, {212, 191}, {143, 115}, {283, 212}, {6, 115}};
    // Grids of 7, 6 and 5 rows.
    struct Month {
        CivilDate date;
        bool firstRowFirstDay, lastRowLastDay;
        int rows;
    };
    const Month months[] = {{{2006, 1, 15}, false, false, 7},
                            {{2006, 6, 10}, false, false, 6},
                            {{2009, 2, 14}, true, true, 5}};
    for (const auto& [width, height] : sizes) {
        for (const Month& month : months) {
            Fixture f(month.date.year, month.date.month, month.date.day);
            TestCalendar& c = f.calendar;
            c.SetFirstRowFirstDay(month.firstRowFirstDay);
            c.SetLastRowLastDay(month.lastRowLastDay);
            c.SetNeighborJump(true);
            c.SetClientSize(width, height);
            ASSERT_EQ(c.RowCount(), month.rows);
            const int32_t start = c.JuliusDay();
            const auto where = [&](int x, int y) {
                return ::testing::Message() << width << "x" << height << ", " << month.rows << " rows, point (" << x
                                            << ", " << y << ")";
            };
            for (int row = 0; row < month.rows; ++row) {
                for (int column = 0; column < 7; ++column) {
                    c.SetJuliusDay(start);  // a neighbour day selected before moved the grid
                    const Rect cell = c.CellRect(column, row);
                    if (cell.right <= cell.left || cell.bottom <= cell.top) continue;  // drawn nowhere
                    const int cx = (cell.left + cell.right) / 2, cy = (cell.top + cell.bottom) / 2;
                    const std::pair<int, int> points[] = {{cx, cy},
                                                          {cell.left, cell.top},
                                                          {cell.right - 1, cell.top},
                                                          {cell.left, cell.bottom - 1},
                                                          {cell.right - 1, cell.bottom - 1}};
                    // The header selects nothing; a week row selects its day.
                    const int32_t expected = row == 0 ? start : c.CellDay(column, row);
                    for (const auto& [x, y] : points) {
                        c.SetJuliusDay(start);
                        EXPECT_EQ(c.CellFromPoint(x, y), (GridCell{column, row})) << where(x, y);
                        c.MouseDown(x, y);
                        EXPECT_EQ(c.JuliusDay(), expected) << where(x, y);
                    }
                }
            }
            // Outside every drawn cell: nothing.
            c.SetJuliusDay(start);
            f.Reset();
            const std::pair<int, int> outside[] = {{-1, height / 2}, {width, height / 2},    {width / 2, -1},
                                                   {width / 2, height}, {width + 40, height + 40}, {-1, -1}};
            for (const auto& [x, y] : outside) {
                EXPECT_EQ(c.CellFromPoint(x, y), std::nullopt) << where(x, y);
                c.MouseDown(x, y);
            }
            EXPECT_TRUE(c.changes.empty()) << width << "x" << height;
        }
    }
}

TEST(MonthInput, NeighbourDaysAreSelectedOnlyWithNeighborJump) {
    // January 2006 with seven rows: 25 December 2005 in row 1, 1 January in
    // row 2.
    Fixture f(2006, 1, 15);
    TestCalendar& c = f.calendar;
    c.SetClientSize(140, 112);  // cells of 20 by 16 pixels
    f.Reset();
    c.MouseDown(70, 5);  // header
    c.MouseDown(5, 20);  // 25 December, a neighbour
    EXPECT_TRUE(c.changes.empty());
    c.MouseDown(25, 35);  // column 1, row 2
    EXPECT_EQ(Selected(c), Date(2006, 1, 2));

    c.SetNeighborJump(true);
    c.MouseDown(5, 20);  // 25 December, though ShowNeighbor leaves it blank
    EXPECT_EQ(Selected(c), Date(2005, 12, 25));
    EXPECT_EQ(c.changes, (std::vector<DayChange>{{2006, 1, 2}, {2005, 12, 25}}));
}

// Records what the grid draws.
struct Drawn {
    enum Kind { Fill, Line, Text } kind;
    Rect rect;
    Color color;
    std::string text;
    std::string face;
    bool clip = false;
};

class RecordingCanvas : public CalendarCanvas {
public:
    Color ToRgb(Color color) const override { return color == clWindow ? clWhite : color; }
    void FillRect(const Rect& rect, Color color) override { ops.push_back({Drawn::Fill, rect, color, "", ""}); }
    void Line(int x1, int y1, int x2, int y2, Color color) override {
        ops.push_back({Drawn::Line, {x1, y1, x2, y2}, color, "", ""});
    }
    void CenteredText(const Rect& rect, std::string_view text, const FontDescription& font, Color color,
                      bool clip) override {
        ops.push_back({Drawn::Text, rect, color, std::string(text), font.face, clip});
    }
    std::vector<Drawn> ops;
};

std::vector<Drawn> DrawOne(const TMonthlyCalendar& c, int column, int row) {
    RecordingCanvas canvas;
    c.DrawCell(canvas, column, row, c.CellRect(column, row));
    return canvas.ops;
}

// A January whose days lie outside the old-calendar table, whatever range
// the table covers.
int32_t YearOutsideOldCalendar() {
    for (int32_t year : {1850, 2200, 1700, 2500}) {
        if (RokuyoIndex(DateToJulius(year, 1, 1)) == 0 && RokuyoIndex(DateToJulius(year, 1, 31)) == 0) return year;
    }
    ADD_FAILURE() << "no year outside the old-calendar table";
    return 1850;
}

TEST(MonthPainting, ALineThatCannotBeReadCountsAsNotMatchingAndIsHandedOn) {
    Fixture f(2006, 1, 1);
    TestCalendar& c = f.calendar;
    c.SetClientSize(140, 112);
    c.SetYoteiDayList({"1,20,散髪", "1,x,壊れた行"});
    FontDescription yotei = c.Fonts().YoteiDay();
    yotei.color = clFuchsia;
    c.Fonts().SetFont(kFontYoteiDay, yotei);

    RecordingCanvas grid;
    c.DrawGrid(grid);
    std::vector<std::string> days;
    Color twentieth = clBlack;
    for (const Drawn& op : grid.ops) {
        if (op.kind != Drawn::Text || op.text.empty() || !std::isdigit(static_cast<unsigned char>(op.text[0]))) continue;
        days.push_back(op.text);
        if (op.text == "20") twentieth = op.color;
    }
    EXPECT_EQ(days.size(), 31u) << "every day is drawn";
    EXPECT_EQ(twentieth, c.Palette().DayText(clFuchsia, clWhite)) << "the good line still marks its day";
    const std::vector<EDayRuleError> unreadable = c.TakeUnreadableLines();
    ASSERT_EQ(unreadable.size(), 1u) << "met on every January day, kept once";
    EXPECT_EQ(unreadable.front().line, "1,x,壊れた行");
    EXPECT_EQ(unreadable.front().lineIndex, 1u);
    EXPECT_TRUE(c.TakeUnreadableLines().empty()) << "taken once";
}

TEST(MonthPainting, HeaderSelectedDayNeighboursAndLines) {
    Fixture f(2006, 1, 1);
    TestCalendar& c = f.calendar;
    c.SetHolidayList(DefaultHolidayLines());
    c.SetColor(clWhite);
    c.SetClientSize(140, 112);

    RecordingCanvas grid;
    c.DrawGrid(grid);
    ASSERT_FALSE(grid.ops.empty());
    EXPECT_EQ(grid.ops[0].rect, (Rect{0, 0, 140, 112}));
    EXPECT_EQ(grid.ops[0].color, clWhite);

    auto header = DrawOne(c, 0, 0);
    ASSERT_EQ(header.size(), 2u);
    EXPECT_EQ(header[0].color, clNavy);
    EXPECT_EQ(header[1].text, "日");
    EXPECT_EQ(header[1].color, clWhite);
    EXPECT_FALSE(header[1].clip);
    c.SetFirstDayOfWeek(dowMon);
    std::string names;
    for (int column = 0; column < 7; ++column) names += DrawOne(c, column, 0)[1].text;
    EXPECT_EQ(names, "月火水木金土日");
    c.SetFirstDayOfWeek(dowSun);

    // 1 January 2006, a holiday on a Sunday, selected: filled with red in
    // the shade that reads on white, its number in the background colour.
    const Color red = c.Palette().DayText(clRed, clWhite);
    EXPECT_TRUE(GreenOf(red) == 0 && BlueOf(red) == 0) << "still pure red";
    auto selected = DrawOne(c, 0, 2);
    ASSERT_EQ(selected.size(), 2u);
    EXPECT_EQ(selected[0].kind, Drawn::Fill);
    EXPECT_EQ(selected[0].rect, c.CellRect(0, 2));
    EXPECT_EQ(selected[0].color, red);
    EXPECT_EQ(selected[1].text, "1");
    EXPECT_EQ(selected[1].color, clWhite);
    EXPECT_TRUE(selected[1].clip);
    EXPECT_EQ(DrawOne(c, 1, 2)[0].color, red);      // the substitute holiday
    EXPECT_EQ(DrawOne(c, 2, 2)[0].color, clBlack);  // an ordinary Tuesday

    EXPECT_TRUE(DrawOne(c, 0, 1).empty());  // 25 December, neighbours hidden
    c.SetShowLine(true);
    auto lined = DrawOne(c, 0, 1);
    const Rect cell = c.CellRect(0, 1);
    ASSERT_EQ(lined.size(), 2u);
    EXPECT_EQ(lined[0].rect, (Rect{cell.left, cell.top, cell.left, cell.bottom}));
    EXPECT_EQ(lined[1].rect, (Rect{cell.left, cell.top, cell.right, cell.top}));
    EXPECT_EQ(lined[1].color, clSilver);
    EXPECT_EQ(DrawOne(c, 3, 0).size(), 2u);  // the header has no lines

    // Neighbours fade three quarters of the way into the ground, as far as
    // NeighborColor (silver) lies from black.
    c.SetShowNeighbor(true);
    EXPECT_EQ(DrawOne(c, 0, 1).back().color, Mix(red, clWhite, 192 / 255.0));  // Sunday 25 December
    EXPECT_EQ(DrawOne(c, 1, 1).back().color, clSilver);                        // Monday 26 December
}

// The theme's palette rules over the colours the calendar is set up with:
// dark grounds and light text, or high contrast's system colours with the
// kinds of day lettered apart.
TEST(MonthPainting, APaletteColoursEveryPartOfTheGrid) {
    ThemeState dark;
    dark.appsLight = false;
    ThemeState contrast;
    contrast.highContrast = true;
    contrast.system.window = clBlack;
    contrast.system.windowText = clWhite;
    contrast.system.buttonFace = clNavy;
    contrast.system.buttonText = clYellow;
    contrast.system.highlight = clAqua;
    contrast.system.highlightText = clBlack;
    contrast.system.grayText = clLime;
    for (const ThemeState& state : {dark, contrast}) {
        const Palette palette = PaletteFor(state);
        SCOPED_TRACE(state.highContrast ? "high contrast" : "dark");
        Fixture f(2006, 1, 1);
        TestCalendar& c = f.calendar;
        c.SetHolidayList(DefaultHolidayLines());
        c.SetColor(clWhite);
        c.SetClientSize(140, 112);
        c.SetShowLine(true);
        c.SetShowNeighbor(true);
        f.Reset();
        c.SetPalette(palette);
        EXPECT_EQ(c.renders, 1);
        c.SetPalette(palette);
        EXPECT_EQ(c.renders, 1) << "the same palette draws nothing";

        RecordingCanvas grid;
        c.DrawGrid(grid);
        EXPECT_EQ(grid.ops[0].color, *palette.ground);
        const auto header = DrawOne(c, 0, 0);
        EXPECT_EQ(header[0].color, *palette.header);
        EXPECT_EQ(header[1].color, *palette.headerText);
        const auto tuesday = DrawOne(c, 2, 2);  // with its two lines
        ASSERT_EQ(tuesday.size(), 3u);
        EXPECT_EQ(tuesday[0].color, *palette.line);
        EXPECT_EQ(tuesday[2].color, clWhite) << "an ordinary day as ordinary text";
        const auto selected = DrawOne(c, 0, 2);  // 1 January, a Sunday and holiday
        ASSERT_EQ(selected.size(), 4u);
        const CellColors cell = palette.Selected(clRed, *palette.ground);
        EXPECT_EQ(selected[2].color, cell.fill);
        EXPECT_EQ(selected[3].color, cell.text);
        EXPECT_GE(ContrastRatio(cell.fill, cell.text), kDayTextContrast);
        EXPECT_EQ(DrawOne(c, 1, 1).back().color, palette.NeighbourText(clBlack, *palette.ground, 192 / 255.0));
    }

    // Only high contrast letters the kinds: the records keep the face, so
    // the canvas is asked for the marked font.
    class FontCanvas : public RecordingCanvas {
    public:
        void CenteredText(const Rect&, std::string_view text, const FontDescription& font, Color, bool) override {
            fonts.emplace_back(std::string(text), font);
        }
        std::vector<std::pair<std::string, FontDescription>> fonts;
    };
    Fixture f(2006, 1, 1);
    f.calendar.SetHolidayList(DefaultHolidayLines());
    f.calendar.SetClientSize(140, 112);
    f.calendar.SetPalette(PaletteFor(contrast));
    FontCanvas canvas;
    f.calendar.DrawCell(canvas, 1, 2, f.calendar.CellRect(1, 2));  // 2 January, the substitute holiday
    f.calendar.DrawCell(canvas, 6, 2, f.calendar.CellRect(6, 2));  // Saturday 7 January
    f.calendar.DrawCell(canvas, 3, 2, f.calendar.CellRect(3, 2));  // Wednesday 4 January
    ASSERT_EQ(canvas.fonts.size(), 3u);
    EXPECT_TRUE(canvas.fonts[0].second.bold && canvas.fonts[0].second.underline);
    EXPECT_TRUE(canvas.fonts[1].second.bold && !canvas.fonts[1].second.underline);
    EXPECT_FALSE(canvas.fonts[2].second.bold || canvas.fonts[2].second.underline);
}

TEST(MonthPainting, RokuyoStripOnlyWhereTheOldCalendarIsKnown) {
    Fixture f(2006, 1, 1);
    TestCalendar& c = f.calendar;
    c.SetClientSize(210, 280);
    c.SetShowRokuyo(true);
    const Rect cell = c.CellRect(2, 2);  // 3 January 2006
    auto day = DrawOne(c, 2, 2);
    ASSERT_EQ(day.size(), 2u);
    EXPECT_EQ(day[0].text, "3");
    EXPECT_EQ(day[0].rect, (Rect{cell.left, cell.top, cell.right, cell.bottom - 13}));
    EXPECT_EQ(day[1].text, std::string(RokuyoNames(RokuyoIndex(DateToJulius(2006, 1, 3)))));
    EXPECT_EQ(day[1].rect, (Rect{cell.left, cell.bottom - 13, cell.right, cell.bottom}));
    EXPECT_EQ(day[1].color, clBlack);

    auto selected = DrawOne(c, 0, 2);  // 1 January: the strip is filled too
    ASSERT_EQ(selected.size(), 4u);
    EXPECT_EQ(selected[2].kind, Drawn::Fill);
    EXPECT_EQ(selected[2].color, c.Palette().DayText(clRed, clWhite));
    EXPECT_EQ(selected[3].color, clWhite) << "the ground, the window colour looked up";

    c.SetShowNeighbor(true);
    EXPECT_EQ(DrawOne(c, 1, 1)[1].color, clSilver);  // a neighbour's rokuyo is washed out too

    c.SetDate(YearOutsideOldCalendar(), 1, 15);
    auto outside = DrawOne(c, 3, 3);
    ASSERT_EQ(outside.size(), 1u);
    EXPECT_EQ(outside[0].rect, c.CellRect(3, 3));
}

}  // namespace
}  // namespace zenka
