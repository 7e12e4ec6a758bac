// The old lunisolar calendar (from the embedded JDOLDCAL table of old-month
// starts) and the rokuyo derived from it.
#pragma once

#include <cstdint>
#include <string_view>

namespace zenka {

struct OldDate {
    uint8_t month = 0;  // 1..12, or 100 + m for the leap month after month m; 0 when unknown
    uint8_t day = 0;    // 1..30; 0 when unknown

    friend bool operator==(const OldDate&, const OldDate&) = default;
};

// The embedded table text: lines "JD,month" with CR LF, the last line only
// closing the table.
std::string_view JdOldCalText();

OldDate OldCalendarLookup(int32_t julius);

// Old dates of consecutive days, for a walk over the days: one search for
// the first day, then each step only counts. Agrees with OldCalendarLookup.
class OldCalendarWalk {
public:
    explicit OldCalendarWalk(int32_t julius);
    const OldDate& Date() const { return date_; }
    // Moves on to the next day.
    void Next();

private:
    int32_t julius_;
    OldDate date_;
    int32_t nextMonthStart_ = 0;  // first day of the next table row, when date_ is known
};

// 0 when the day lies outside the table, else 1..6.
uint8_t RokuyoIndex(int32_t julius);
// The same for an old date already looked up.
uint8_t RokuyoOf(const OldDate& old);

// "不明", "先勝", "友引", "先負", "仏滅", "大安", "赤口" for 0..6; empty beyond.
std::string_view RokuyoNames(uint8_t index);

}  // namespace zenka
