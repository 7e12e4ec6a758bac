#include "daylists/old_layout_import.h"

#include "calendar/number_text.h"
#include "common/cp932.h"
#include "daylists/day_list_storage.h"

namespace zenka {
namespace {

constexpr std::string_view kOldSection = "List2";
constexpr std::string_view kOldCount = "Max2";
constexpr size_t kYearAndComma = 5;  // characters

}  // namespace

std::string CurrentFormOfOldLine(std::string_view oldLine) {
    size_t cut = 0;
    for (size_t characters = 0; characters < kYearAndComma && cut < oldLine.size(); ++characters) {
        size_t length;
        DecodeUtf8(oldLine, cut, length);
        cut += length;
    }
    return std::string(oldLine.substr(0, cut)) + "0," + std::string(oldLine.substr(cut));
}

std::optional<std::vector<std::string>> ReadOldLayoutLines(KeyStore& keys) {
    const std::optional<std::string> first = keys.ReadText(kOldSection, ItemName(0));
    if (!first || first->empty()) return std::nullopt;
    std::optional<int32_t> count;
    if (const auto text = keys.ReadText(kOldSection, kOldCount)) count = ParseDecimal(*text);
    std::vector<std::string> lines;
    for (const std::string& line :
         ReadStoredLines(count.value_or(0), [&](size_t i) { return keys.ReadText(kOldSection, ItemName(i)); })) {
        lines.push_back(CurrentFormOfOldLine(line));
    }
    return lines;
}

}  // namespace zenka
