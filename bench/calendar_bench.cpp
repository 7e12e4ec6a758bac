// How long classifying dates takes: a month's grid of 42 cells, long lists,
// and every day of two centuries.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "calendar/day_classifier.h"
#include "calendar/default_holidays.h"
#include "calendar/julius.h"
#include "calendar/old_calendar.h"

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

void BM_RokuyoOfAMonthGrid(benchmark::State& state) {
    const int32_t firstCell = DateToJulius(2006, 1, 1);
    for (auto _ : state) {
        for (int32_t j = firstCell; j < firstCell + 42; ++j) benchmark::DoNotOptimize(RokuyoIndex(j));
    }
}
BENCHMARK(BM_RokuyoOfAMonthGrid);

}  // namespace
