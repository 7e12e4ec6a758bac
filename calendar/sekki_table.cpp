#include "calendar/sekki_table.h"

#include <array>
#include <cstdint>
#include <iterator>
#include <vector>

#include "calendar/julius.h"

extern "C" const char kJdSekkiData[];
extern "C" const unsigned kJdSekkiSize;

namespace zenka {

namespace {

constexpr size_t kLongitudeCount = std::size(kSekkiLongitudes);

// The place of each whole degree in kSekkiLongitudes, -1 where it has none.
constexpr std::array<int8_t, 360> kSlots = [] {
    std::array<int8_t, 360> slots{};
    slots.fill(-1);
    for (size_t i = 0; i < kLongitudeCount; ++i)
        slots[static_cast<size_t>(kSekkiLongitudes[i])] = static_cast<int8_t>(i);
    return slots;
}();

int SlotOf(int longitude) { return longitude >= 0 && longitude < 360 ? kSlots[static_cast<size_t>(longitude)] : -1; }

using YearDays = std::array<int32_t, kLongitudeCount>;  // 0 where the table has no line

// A run of decimal digits from `pos` on; moves `pos` past them.
int32_t ReadNumber(std::string_view text, size_t& pos) {
    int32_t value = 0;
    for (; pos < text.size(); ++pos) {
        const unsigned digit = static_cast<unsigned char>(text[pos]) - unsigned{'0'};
        if (digit > 9) break;
        value = value * 10 + static_cast<int32_t>(digit);
    }
    return value;
}

// The table is fixed data built into the program and checked by the tests,
// so it is read once, without checks of its own: lines "day,longitude" in
// order of time.
std::vector<YearDays> ParseTable(std::string_view text) {
    std::vector<YearDays> years(kLastSekkiYear - kFirstSekkiYear + 1, YearDays{});
    int32_t year = kFirstSekkiYear;
    int32_t nextYear = DateToJulius(year + 1, 1, 1);
    size_t pos = 0;
    while (pos < text.size()) {
        const int32_t day = ReadNumber(text, pos);
        ++pos;  // the comma
        const int longitude = ReadNumber(text, pos);
        pos = text.find('\n', pos);
        pos = pos == std::string_view::npos ? text.size() : pos + 1;
        while (day >= nextYear && year <= kLastSekkiYear) nextYear = DateToJulius(++year + 1, 1, 1);
        const int slot = SlotOf(longitude);
        if (year <= kLastSekkiYear && slot >= 0) {
            years[static_cast<size_t>(year - kFirstSekkiYear)][static_cast<size_t>(slot)] = day;
        }
    }
    return years;
}

const std::vector<YearDays>& Table() {
    static const std::vector<YearDays> table = ParseTable(JdSekkiText());
    return table;
}

}  // namespace

std::string_view JdSekkiText() { return {kJdSekkiData, kJdSekkiSize}; }

std::optional<int32_t> DayOfSolarLongitude(int32_t year, int longitude) {
    const int slot = SlotOf(longitude);
    if (year < kFirstSekkiYear || year > kLastSekkiYear || slot < 0) return std::nullopt;
    const int32_t day = Table()[static_cast<size_t>(year - kFirstSekkiYear)][static_cast<size_t>(slot)];
    if (day == 0) return std::nullopt;
    return day;
}

}  // namespace zenka
