// zenka-cal: the month calendar on a terminal.
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <iostream>

#ifdef _WIN32
#include <io.h>
#define isatty _isatty
#define fileno _fileno
#else
#include <unistd.h>
#endif

#include "calendar/default_holidays.h"
#include "calendar/julius.h"
#include "cli/cal_format.h"
#include "daylists/list_file.h"

namespace {

using namespace zenka;
using namespace zenka::cli;

void LoadList(DayList& list, const std::optional<std::string>& path) {
    if (!path) return;
    list.Assign(SplitListFileLines(ReadListFileBytes(*path)));
    CheckListLines(list, *path);
}

int Run(const std::vector<std::string>& args) {
    const CalOptions options = ParseArguments(args);
    if (options.help) {
        std::cout << UsageText();
        return 0;
    }
    DayRuleSet rules;
    rules.AutoEquinox = options.equinox;
    rules.HolidayList.Assign(DefaultHolidayLines());
    LoadList(rules.HolidayList, options.holidaysFile);
    LoadList(rules.SpecialDayList, options.specialFile);
    LoadList(rules.YoteiDayList, options.scheduleFile);

    if (options.tsv) {
        WriteTsv(std::cout, rules, options.tsv->from, options.tsv->to);
        return 0;
    }
    const std::time_t now = std::time(nullptr);
    const std::tm* local = std::localtime(&now);
    const int32_t year = options.year.value_or(local->tm_year + 1900);
    const uint8_t month = options.month.value_or(options.year ? 1 : static_cast<uint8_t>(local->tm_mon + 1));
    const bool color = options.color && isatty(fileno(stdout)) && !std::getenv("NO_COLOR");
    std::cout << RenderMonth(rules, year, month, options, color);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    try {
        return Run(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const UsageError& e) {
        std::cerr << "zenka-cal: " << BlankControls(e.what()) << "\n";
        return 2;
    } catch (const EJuliusError& e) {
        std::cerr << "zenka-cal: " << e.what() << "\n";
        return 2;
    } catch (const EDayRuleError& e) {
        std::cerr << "zenka-cal: " << DayListName(e.list) << "リストの " << e.lineIndex + 1 << " 行目 \""
                  << BlankControls(e.line) << "\": " << e.what() << "\n";
        return 2;
    }
}
