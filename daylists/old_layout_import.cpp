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
    std::optional<int32_t> count;
    if (const auto text = keys.ReadText(kOldSection, kOldCount)) count = ParseDecimal(*text);
    const std::optional<StoredList> list = ReadStoredList(count, [&](size_t i) -> std::optional<std::string> {
        if (std::optional<std::string> text = keys.ReadText(kOldSection, ItemName(i))) return text;
        if (keys.HasValue(kOldSection, ItemName(i))) return std::string();
        return std::nullopt;
    });
    if (!list || list->lines.empty() || list->lines.front().empty()) return std::nullopt;
    std::vector<std::string> lines;
    for (const std::string& line : list->lines) lines.push_back(CurrentFormOfOldLine(line));
    return lines;
}

}  // namespace zenka
