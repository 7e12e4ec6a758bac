// How long classifying dates takes: a month's grid of 42 cells, long lists,
// and every day of two centuries, converted day by day or walked in order,
// and the records of zenka-cal --tsv. bench/README.md keeps the figures.
#include <benchmark/benchmark.h>

#include <charconv>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/day_classifier.h"
#include "calendar/day_walk.h"
#include "calendar/default_holidays.h"
#include "calendar/julius.h"
#include "calendar/old_calendar.h"
#include "cli/cal_format.h"

namespace {

using namespace zenka;

DayRuleSet DefaultRules() {
    DayRuleSet rules;
    rules.HolidayList.Assign(DefaultHolidayLines());
    return rules;
}

// A thousand lines of every form, spread over the year.
std::vector<std::string> LongList(const char* name) {
    std::vector<std::string> lines;
    for (int i = 0; i < 1000; ++i) {
        const int month = i % 12 + 1;
        const int day = i % 28 + 1;
        switch (i % 4) {
            case 0: lines.push_back(std::to_string(month) + "," + std::to_string(day) + "," + name); break;
            case 1: lines.push_back(std::to_string(month) + "," + std::to_string(i % 4 + 1) + ",3," + name); break;
            case 2:
                lines.push_back("2000,2," + std::to_string(month) + "," + std::to_string(day) + "," + name);
                break;
            default:
                lines.push_back("2010,0," + std::to_string(month) + ",2,5," + name);
                break;
        }
    }
    return lines;
}

// What painting one month asks: the font of each of the 42 cells, and the
// names of the selected day.
void ClassifyMonthGrid(benchmark::State& state, const DayRuleSet& rules) {
    const int32_t firstCell = DateToJulius(2026, 11, 29);
    for (auto _ : state) {
        for (int32_t j = firstCell; j < firstCell + 42; ++j) {
            const CivilDate d = JuliusToDate(j);
            benchmark::DoNotOptimize(GetDayFont(rules, d.year, d.month, d.day));
        }
        benchmark::DoNotOptimize(GetDayNames(rules, 2026, 12, 23));
    }
}

void BM_MonthGridDefaultList(benchmark::State& state) { ClassifyMonthGrid(state, DefaultRules()); }
BENCHMARK(BM_MonthGridDefaultList);

void BM_MonthGridThousandLineLists(benchmark::State& state) {
    DayRuleSet rules;
    rules.HolidayList.Assign(LongList("休日"));
    rules.SpecialDayList.Assign(LongList("特別日"));
    rules.YoteiDayList.Assign(LongList("予定"));
    ClassifyMonthGrid(state, rules);
}
BENCHMARK(BM_MonthGridThousandLineLists);

void BM_EveryDay1900To2100(benchmark::State& state) {
    const DayRuleSet rules = DefaultRules();
    const int32_t from = DateToJulius(1900, 1, 1);
    const int32_t to = DateToJulius(2100, 12, 31);
    for (auto _ : state) {
        for (int32_t j = from; j <= to; ++j) {
            const CivilDate d = JuliusToDate(j);
            benchmark::DoNotOptimize(GetDayAttributes(rules, d.year, d.month, d.day));
            benchmark::DoNotOptimize(GetDayNames(rules, d.year, d.month, d.day));
        }
    }
    state.SetItemsProcessed(state.iterations() * (to - from + 1));
}
BENCHMARK(BM_EveryDay1900To2100)->Unit(benchmark::kMillisecond);

// The same days walked in order, each classified with one look at each list,
// as zenka-cal --tsv does.
void BM_EveryDay1900To2100Walked(benchmark::State& state) {
    const DayRuleSet rules = DefaultRules();
    const int32_t from = DateToJulius(1900, 1, 1);
    const int32_t to = DateToJulius(2100, 12, 31);
    for (auto _ : state) {
        for (WalkDay day = WalkDayOf(from);; day = DayAfter(day)) {
            benchmark::DoNotOptimize(ClassifyDay(rules, day));
            if (day.julius == to) break;
        }
    }
    state.SetItemsProcessed(state.iterations() * (to - from + 1));
}
BENCHMARK(BM_EveryDay1900To2100Walked)->Unit(benchmark::kMillisecond);

// Only the dates of those days: converted one by one, or walked.
void BM_DatesConverted1900To2100(benchmark::State& state) {
    const int32_t from = DateToJulius(1900, 1, 1);
    const int32_t to = DateToJulius(2100, 12, 31);
    for (auto _ : state) {
        for (int32_t j = from; j <= to; ++j) {
            benchmark::DoNotOptimize(JuliusToDate(j));
            benchmark::DoNotOptimize(JuliusDayOfWeek(j));
        }
    }
    state.SetItemsProcessed(state.iterations() * (to - from + 1));
}
BENCHMARK(BM_DatesConverted1900To2100)->Unit(benchmark::kMicrosecond);

void BM_DatesWalked1900To2100(benchmark::State& state) {
    const int32_t from = DateToJulius(1900, 1, 1);
    const int32_t to = DateToJulius(2100, 12, 31);
    for (auto _ : state) {
        for (WalkDay day = WalkDayOf(from); day.julius < to; day = DayAfter(day)) benchmark::DoNotOptimize(day);
    }
    state.SetItemsProcessed(state.iterations() * (to - from + 1));
}
BENCHMARK(BM_DatesWalked1900To2100)->Unit(benchmark::kMicrosecond);

// The records of zenka-cal --tsv 1900-01-01 2100-12-31, written to nowhere.
void BM_TsvRecords1900To2100(benchmark::State& state) {
    const DayRuleSet rules = DefaultRules();
    const int32_t from = DateToJulius(1900, 1, 1);
    const int32_t to = DateToJulius(2100, 12, 31);
    std::ostream nowhere(nullptr);
    for (auto _ : state) cli::WriteTsv(nowhere, rules, from, to);
    state.SetItemsProcessed(state.iterations() * (to - from + 1));
}
BENCHMARK(BM_TsvRecords1900To2100)->Unit(benchmark::kMillisecond);

// The rokuyo of the 42 cells of a month grid, as painting asks for them.
template <typename Lookup>
void RokuyoOfAMonthGrid(benchmark::State& state, int32_t year, uint8_t month, Lookup rokuyoIndex) {
    const int32_t first = DateToJulius(year, month, 1);
    const int32_t firstCell = first - (JuliusDayOfWeek(first) - 1);
    for (auto _ : state) {
        for (int32_t j = firstCell; j < firstCell + 42; ++j) benchmark::DoNotOptimize(RokuyoNames(rokuyoIndex(j)));
    }
}

struct TableLine {
    int32_t julius;
    uint8_t month;
};

TableLine ReadLine(std::string_view line) {
    const size_t comma = line.find(',');
    TableLine row{};
    int month = 0;
    std::from_chars(line.data(), line.data() + comma, row.julius);
    std::from_chars(line.data() + comma + 1, line.data() + line.size(), month);
    row.month = static_cast<uint8_t>(month);
    return row;
}

uint8_t RokuyoOf(uint8_t month, int32_t day) {
    const int m = month > 100 ? month - 100 : month;
    return static_cast<uint8_t>(((m - 1) + (day - 1)) % 6 + 1);
}

// The lookup as first written: the table's text read and split into lines
// on every call, then scanned from the top.
uint8_t RokuyoByReadingTheTable(int32_t j) {
    std::vector<std::string_view> lines;
    std::string_view text = JdOldCalText();
    while (!text.empty()) {
        const size_t end = text.find("\r\n");
        lines.push_back(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 2);
    }
    if (j < ReadLine(lines.front()).julius || j > ReadLine(lines.back()).julius) return 0;
    for (size_t i = 1; i < lines.size(); ++i) {
        if (j < ReadLine(lines[i]).julius) {
            const TableLine start = ReadLine(lines[i - 1]);
            return RokuyoOf(start.month, j - start.julius + 1);
        }
    }
    return 0;
}

// The table parsed once but still scanned from the top.
uint8_t RokuyoByLinearScan(int32_t j) {
    static const std::vector<TableLine> rows = [] {
        std::vector<TableLine> parsed;
        std::string_view text = JdOldCalText();
        while (!text.empty()) {
            const size_t end = text.find("\r\n");
            parsed.push_back(ReadLine(text.substr(0, end)));
            text.remove_prefix(end == std::string_view::npos ? text.size() : end + 2);
        }
        return parsed;
    }();
    if (j < rows.front().julius || j >= rows.back().julius) return 0;
    for (size_t i = 1; i < rows.size(); ++i) {
        if (j < rows[i].julius) return RokuyoOf(rows[i - 1].month, j - rows[i - 1].julius + 1);
    }
    return 0;
}

void BM_RokuyoOfAMonthGrid(benchmark::State& state) { RokuyoOfAMonthGrid(state, 2006, 1, RokuyoIndex); }
BENCHMARK(BM_RokuyoOfAMonthGrid);

// December 2026 lies about 1600 lines into the table.
void BM_RokuyoOfDecember2026Bisection(benchmark::State& state) { RokuyoOfAMonthGrid(state, 2026, 12, RokuyoIndex); }
BENCHMARK(BM_RokuyoOfDecember2026Bisection);

void BM_RokuyoOfDecember2026LinearScan(benchmark::State& state) {
    RokuyoOfAMonthGrid(state, 2026, 12, RokuyoByLinearScan);
}
BENCHMARK(BM_RokuyoOfDecember2026LinearScan);

void BM_RokuyoOfDecember2026ReadingTheTableEachTime(benchmark::State& state) {
    RokuyoOfAMonthGrid(state, 2026, 12, RokuyoByReadingTheTable);
}
BENCHMARK(BM_RokuyoOfDecember2026ReadingTheTableEachTime)->Unit(benchmark::kMicrosecond);

}  // namespace
