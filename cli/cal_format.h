// The month calendar as terminal text, for the zenka-cal command.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/day_classifier.h"

namespace zenka::cli {

// A command line or input the command cannot work with; the text says why.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct CalOptions {
    std::optional<int32_t> year;
    std::optional<uint8_t> month;
    bool mondayFirst = false;
    bool rokuyo = false;
    bool sekki = false;  // the solar terms and 雑節 in the day lines
    bool equinox = true;
    bool color = true;  // still only when writing to a terminal
    bool help = false;
    std::optional<std::string> holidaysFile, specialFile, scheduleFile;
    struct Range {
        int32_t from, to;  // Julius days
    };
    std::optional<Range> tsv;
};

CalOptions ParseArguments(const std::vector<std::string>& args);
std::string UsageText();

// The bytes of a list file. Raises UsageError when it is a folder or
// cannot be read, rather than taking it as an empty list.
std::string ReadListFileBytes(const std::string& path);

// Text from a list file as it is written out: every control character
// (C0, DEL and C1) becomes a blank, so that none reaches a terminal or
// breaks a record.
std::string BlankControls(std::string text);

// Raises UsageError naming the list, its source and the line when a line
// holds a field that is not a number where one is needed.
void CheckListLines(const DayList& list, std::string_view source);

std::string RenderMonth(const DayRuleSet& rules, int32_t year, uint8_t month, const CalOptions& options,
                        bool color);
// One tab-separated record per day, written out in pieces as it grows.
void WriteTsv(std::ostream& out, const DayRuleSet& rules, int32_t fromJulius, int32_t toJulius);
std::string RenderTsv(const DayRuleSet& rules, int32_t fromJulius, int32_t toJulius);

}  // namespace zenka::cli
