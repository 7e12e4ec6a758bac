#include "controls/month_calendar.h"

#include <algorithm>
#include <cstdlib>
#include <utility>
#include <stdexcept>

#include "calendar/julius.h"
#include "calendar/old_calendar.h"
#include "calendar/tolerant_day_kind.h"

namespace zenka {

const std::array<std::string_view, 7> kWeekdayHeaderNames = {"日", "月", "火", "水", "木", "金", "土"};

// ---- TCalEX2kFonts ----

TCalEX2kFonts::TCalEX2kFonts() {
    constexpr Color colors[8] = {clBlack, clBlue, clRed, clWhite, clRed, clGreen, clBlack, clYellow};
    for (size_t i = 0; i < fonts_.size(); ++i) fonts_[i].color = colors[i];
    // Rokuyo names sit under the day numbers, a size larger than they.
    fonts_[kFontRokuyo].height = -13;
}

const FontDescription& TCalEX2kFonts::Font(DayFontIndex index) const { return fonts_.at(index); }

void TCalEX2kFonts::SetFont(DayFontIndex index, const FontDescription& font) {
    bool changed = false;
    const auto assign = [&](FontDescription& target) {
        if (target == font) return;
        target = font;
        changed = true;
    };
    if (synchronize_) {
        for (FontDescription& each : fonts_) assign(each);
    } else {
        assign(fonts_.at(index));
    }
    if (changed && OnChange) OnChange();
}

// ---- TCustomCalendarEx2k ----

namespace {

// Today, or the nearer end of the supported range for a clock set beyond it.
int32_t TodayWithinRange(const Clock& clock) {
    const DateTime now = clock.Now();
    if (now.year < kFirstSupportedYear) return kFirstSupportedDay;
    if (now.year > kLastSupportedYear) return kLastSupportedDay;
    return DateTimeToJulius(now);
}

}  // namespace

TCustomCalendarEx2k::TCustomCalendarEx2k(const Clock& clock)
    : clock_(clock), julius_(TodayWithinRange(clock)), date_(JuliusToDate(julius_)) {
    fonts_.OnChange = [this] { Render(); };
}

void TCustomCalendarEx2k::SetJuliusDay(int32_t value) {
    if (value == julius_ || !IsSupportedDay(value)) return;
    julius_ = value;
    date_ = JuliusToDate(value);
    Render();
    DoDayChange(date_.year, date_.month, date_.day);
}

void TCustomCalendarEx2k::SetYear(int32_t value) {
    if (IsSupportedYear(value) && IsValidDate(value, date_.month, date_.day)) {
        SetJuliusDay(DateToJulius(value, date_.month, date_.day));
    }
}

void TCustomCalendarEx2k::SetMonth(uint8_t value) {
    if (IsValidDate(date_.year, value, date_.day)) SetJuliusDay(DateToJulius(date_.year, value, date_.day));
}

void TCustomCalendarEx2k::SetDay(uint8_t value) {
    if (IsValidDate(date_.year, date_.month, value)) SetJuliusDay(DateToJulius(date_.year, date_.month, value));
}

void TCustomCalendarEx2k::SetList(DayList& list, std::vector<std::string> lines) {
    if (lines == list.Lines()) return;
    list.Assign(std::move(lines));
    Render();
}

void TCustomCalendarEx2k::SetHolidayList(std::vector<std::string> lines) {
    SetList(rules_.HolidayList, std::move(lines));
}
void TCustomCalendarEx2k::SetSpecialDayList(std::vector<std::string> lines) {
    SetList(rules_.SpecialDayList, std::move(lines));
}
void TCustomCalendarEx2k::SetYoteiDayList(std::vector<std::string> lines) {
    SetList(rules_.YoteiDayList, std::move(lines));
}

void TCustomCalendarEx2k::SetColor(zenka::Color value) { ChangeOption(color_, value); }
void TCustomCalendarEx2k::SetAutoEquinox(bool value) { ChangeOption(rules_.AutoEquinox, value); }
void TCustomCalendarEx2k::SetAutoFurikae(bool value) { ChangeOption(rules_.AutoFurikae, value); }

void TCustomCalendarEx2k::DoDayChange(int32_t y, uint8_t m, uint8_t d) {
    if (OnDayChange) OnDayChange(*this, y, m, d);
}

void TCustomCalendarEx2k::SetDate(int32_t year, uint8_t month, uint8_t day) {
    // Far outside the range a day number would wrap round into it.
    if (IsSupportedYear(year)) SetJuliusDay(DateToJulius(year, month, day));
}

void TCustomCalendarEx2k::GoToday() { SetJuliusDay(TodayWithinRange(clock_)); }
void TCustomCalendarEx2k::NextDay() { SetJuliusDay(julius_ + 1); }
void TCustomCalendarEx2k::PrevDay() { SetJuliusDay(julius_ - 1); }

void TCustomCalendarEx2k::GoToMonth(int32_t year, int month) {
    if (month > 12) {
        month -= 12;
        ++year;
    } else if (month < 1) {
        month += 12;
        --year;
    }
    if (!IsSupportedYear(year)) return;
    const auto m = static_cast<uint8_t>(month);
    const uint8_t last = DaysInMonth(year, m);
    SetJuliusDay(DateToJulius(year, m, date_.day < last ? date_.day : last));
}

void TCustomCalendarEx2k::NextMonth() { GoToMonth(date_.year, date_.month + 1); }
void TCustomCalendarEx2k::PrevMonth() { GoToMonth(date_.year, date_.month - 1); }
void TCustomCalendarEx2k::NextYear() { GoToMonth(date_.year + 1, date_.month); }
void TCustomCalendarEx2k::PrevYear() { GoToMonth(date_.year - 1, date_.month); }

DayRuleResolution TCustomCalendarEx2k::ParseDayRule(std::string_view line, int32_t year,
                                                    uint8_t requestedMonth) const {
    return zenka::ParseDayRule(line, year, requestedMonth);
}

uint8_t TCustomCalendarEx2k::GetDayAttributes(int32_t y, uint8_t m, uint8_t d) const {
    return zenka::GetDayAttributes(rules_, y, m, d);
}

DayFontIndex TCustomCalendarEx2k::GetDayFontIndex(int32_t y, uint8_t m, uint8_t d) const {
    return DayFontOf(GetDayAttributes(y, m, d));
}

const FontDescription& TCustomCalendarEx2k::GetDayFont(int32_t y, uint8_t m, uint8_t d) const {
    return fonts_.Font(GetDayFontIndex(y, m, d));
}

std::string TCustomCalendarEx2k::GetDayNames(int32_t y, uint8_t m, uint8_t d) const {
    return zenka::GetDayNames(rules_, y, m, d);
}

void TCustomCalendarEx2k::SetClientSize(int width, int height) {
    clientWidth_ = width;
    clientHeight_ = height;
    Render();
}

// ---- TMonthlyCalendar ----

TMonthlyCalendar::TMonthlyCalendar(const Clock& clock) : TCustomCalendarEx2k(clock) {}

void TMonthlyCalendar::SetFirstDayOfWeek(TDayOfWeek value) {
    if (value > dowSat) throw std::out_of_range("FirstDayOfWeek: no weekday " + std::to_string(value));
    ChangeOption(firstDayOfWeek_, value);
}

int32_t TMonthlyCalendar::FirstCellDay() const {
    const int32_t first = DateToJulius(Year(), Month(), 1);
    const int weekday = JuliusDayOfWeek(first);
    int32_t cell = first - (weekday - (firstDayOfWeek_ + 1) + 7) % 7;
    // A month starting in the very first cell gets a leading row of the
    // month before, so its neighbours show on both sides.
    if (!firstRowFirstDay_ && cell == first) cell -= 7;
    return cell;
}

int TMonthlyCalendar::RowCount() const {
    if (!autoResize_) return 7;
    const int32_t first = FirstCellDay();
    const int32_t last = DateToJulius(Year(), Month(), DaysInMonth(Year(), Month()));
    int rows = (last - first) / 7 + 2;
    if (!lastRowLastDay_ && (last - first + 1) % 7 == 0) ++rows;
    return rows;
}

int TMonthlyCalendar::ColumnEdge(int column) const {
    // Each fraction is taken before scaling, so neighbouring cells share
    // their edges exactly and cover the client area without gaps.
    return static_cast<int>(ClientWidth() * (column / 7.0));
}

int TMonthlyCalendar::RowEdge(int row, int rows) const {
    return static_cast<int>(ClientHeight() * (row / static_cast<double>(rows)));
}

Rect TMonthlyCalendar::CellRect(int column, int row) const {
    const int rows = RowCount();
    return {ColumnEdge(column), RowEdge(row, rows), ColumnEdge(column + 1), RowEdge(row + 1, rows)};
}

std::optional<GridCell> TMonthlyCalendar::CellFromPoint(int x, int y) const {
    if (x < 0 || y < 0 || x >= ClientWidth() || y >= ClientHeight()) return std::nullopt;
    // The last edges are the client area's own, so a point inside it lies
    // in exactly one cell; a cell too narrow to be drawn holds none.
    GridCell cell;
    while (x >= ColumnEdge(cell.column + 1)) ++cell.column;
    const int rows = RowCount();
    while (y >= RowEdge(cell.row + 1, rows)) ++cell.row;
    return cell;
}

void TMonthlyCalendar::DrawGrid(CalendarCanvas& canvas) const {
    canvas.FillRect({0, 0, ClientWidth(), ClientHeight()}, palette_.ground.value_or(Color()));
    const int rows = RowCount();
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < 7; ++column) DrawCell(canvas, column, row, CellRect(column, row));
    }
}

DayFontIndex TMonthlyCalendar::CellFontIndex(const CivilDate& date) const {
    try {
        return GetDayFontIndex(date.year, date.month, date.day);
    } catch (const EDayRuleError&) {
        TolerantDayKind kind = ClassifyTolerantly(Rules(), date.year, date.month, date.day);
        for (EDayRuleError& bad : kind.badLines) {
            // Most days of a month meet the same line; it is kept once.
            const auto same = [&bad](const EDayRuleError& kept) {
                return kept.list == bad.list && kept.lineIndex == bad.lineIndex;
            };
            if (std::none_of(unreadableLines_.begin(), unreadableLines_.end(), same)) {
                unreadableLines_.push_back(std::move(bad));
            }
        }
        return kind.font;
    }
}

double TMonthlyCalendar::NeighbourFade() const {
    const zenka::Color c = neighborColor_;
    return (RedOf(c) + GreenOf(c) + BlueOf(c)) / (3 * 255.0);
}

std::vector<EDayRuleError> TMonthlyCalendar::TakeUnreadableLines() { return std::exchange(unreadableLines_, {}); }

void TMonthlyCalendar::DrawCell(CalendarCanvas& canvas, int column, int row, const Rect& rect) const {
    if (row == 0) {
        const FontDescription& font = Fonts().DayOfWeek();
        canvas.FillRect(rect, palette_.header.value_or(dayOfWeekBkColor_));
        canvas.CenteredText(rect, kWeekdayHeaderNames[(firstDayOfWeek_ + column) % 7], font,
                            palette_.headerText.value_or(font.color), false);
        return;
    }

    // Each cell draws only its left and top edges, so the grid has no line
    // along its outer right and bottom edges.
    if (showLine_) {
        const zenka::Color line = palette_.line.value_or(clSilver);
        canvas.Line(rect.left, rect.top, rect.left, rect.bottom, line);
        canvas.Line(rect.left, rect.top, rect.right, rect.top, line);
    }

    const int32_t julius = CellDay(column, row);
    const CivilDate date = JuliusToDate(julius);
    const std::string text = std::to_string(date.day);
    const DayFontIndex kind = CellFontIndex(date);
    const FontDescription font = palette_.MarkKind(kind, Fonts().Font(kind));
    const bool neighbour = date.month != Month();
    const bool selected = !neighbour && date.year == Year() && date.day == Day();
    if (neighbour && !showNeighbor_) return;
    // Every colour is drawn in the palette's shade of it on the ground: a
    // neighbour day faded into the ground, the selected day inverted (its
    // shade fills the cell and the text takes the ground).
    const zenka::Color ground = canvas.ToRgb(palette_.ground.value_or(Color()));
    const auto colorsOf = [&](const FontDescription& f) {
        const zenka::Color chosen = canvas.ToRgb(f.color);
        if (neighbour) return CellColors{ground, palette_.NeighbourText(chosen, ground, NeighbourFade())};
        if (selected) return palette_.Selected(chosen, ground);
        return CellColors{ground, palette_.DayText(chosen, ground)};
    };
    const CellColors day = colorsOf(font);
    if (selected) canvas.FillRect(rect, day.fill);

    const uint8_t rokuyo = showRokuyo_ ? RokuyoIndex(julius) : 0;
    if (rokuyo == 0) {
        canvas.CenteredText(rect, text, font, day.text, true);
        return;
    }
    const FontDescription& rokuyoFont = Fonts().Rokuyo();
    const int stripHeight = std::abs(rokuyoFont.height);
    const Rect numberArea{rect.left, rect.top, rect.right, rect.bottom - stripHeight};
    const Rect strip{rect.left, rect.bottom - stripHeight, rect.right, rect.bottom};
    canvas.CenteredText(numberArea, text, font, day.text, true);
    if (selected) canvas.FillRect(strip, day.fill);
    canvas.CenteredText(strip, RokuyoNames(rokuyo), rokuyoFont, colorsOf(rokuyoFont).text, true);
}

bool TMonthlyCalendar::KeyDown(CalendarKey key) {
    switch (key) {
        case CalendarKey::Right: NextDay(); return true;
        case CalendarKey::Left: PrevDay(); return true;
        case CalendarKey::Up: SetJuliusDay(JuliusDay() - 7); return true;
        case CalendarKey::Down: SetJuliusDay(JuliusDay() + 7); return true;
        case CalendarKey::PageUp: PrevMonth(); return true;
        case CalendarKey::PageDown: NextMonth(); return true;
        case CalendarKey::Other: break;
    }
    return false;
}

void TMonthlyCalendar::MouseDown(int x, int y) {
    const std::optional<GridCell> cell = CellFromPoint(x, y);
    if (!cell || cell->row == 0) return;
    const int32_t julius = CellDay(cell->column, cell->row);
    if (JuliusToDate(julius).month == Month() || neighborJump_) SetJuliusDay(julius);
}

}  // namespace zenka
