// zenka-cal's arguments, one a line: any of them is taken or refused with a
// UsageError or a date error, never anything else; what is taken is in
// range, and the month it names renders without a control character.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/default_holidays.h"
#include "calendar/julius.h"
#include "cli/cal_format.h"
#include "fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view whole(reinterpret_cast<const char*>(data), size);
    std::string_view input = whole;
    std::vector<std::string> args;
    while (!input.empty() && args.size() < 32) {
        const size_t end = std::min(input.find('\n'), input.size());
        args.emplace_back(input.substr(0, end));
        input.remove_prefix(std::min(end + 1, input.size()));
    }
    for (const char c : zenka::cli::BlankControls(std::string(whole))) {
        FUZZ_CHECK(static_cast<unsigned char>(c) >= 0x20 && c != 0x7F);
    }

    zenka::cli::CalOptions options;
    try {
        options = zenka::cli::ParseArguments(args);
    } catch (const zenka::cli::UsageError&) {
        return 0;
    } catch (const zenka::EJuliusError&) {
        return 0;
    }
    if (options.tsv) FUZZ_CHECK(options.tsv->from <= options.tsv->to);
    if (options.month) FUZZ_CHECK(*options.month >= 1 && *options.month <= 12);
    if (options.year) {
        FUZZ_CHECK(*options.year >= -4712 && *options.year <= 9999);
        zenka::DayRuleSet rules;
        rules.HolidayList.Assign(zenka::DefaultHolidayLines());
        const std::string text = zenka::cli::RenderMonth(rules, *options.year, options.month.value_or(1), options, false);
        for (const char c : text) FUZZ_CHECK(static_cast<unsigned char>(c) >= 0x20 || c == '\n');
    }
    return 0;
}
