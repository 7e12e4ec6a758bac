// The 24 solar terms and the 雑節 of a day, as Japanese calendars print them.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace zenka {

struct SekkiMark {
    int32_t julius = 0;
    std::string_view name;   // one of the names in calendar/sekki_names.h
    bool solarTerm = false;  // one of the 24 terms, not a 雑節
};

// The marks of a day: its solar term first when it has one, then its 雑節 in
// a fixed order. None for a day outside 1900..2100.
//   節分: the day before 立春.
//   彼岸入り, 彼岸明け: three days before and after 春分 and 秋分 (the days
//     between are 彼岸 too, but carry no name of their own).
//   社日: the 戊 day nearest 春分 and 秋分; when two lie five days away, the
//     earlier.
//   八十八夜, 二百十日, 二百二十日: the 88th, 210th and 220th day, 立春 being
//     the first.
//   入梅, 半夏生, 土用の入り: the days the Sun reaches 80, 100, and 27, 117,
//     207, 297 degrees.
//   土用の丑の日: the 丑 days from 土用の入り to the day before the next
//     立夏, 立秋, 立冬 or 立春.
std::span<const SekkiMark> SekkiMarksOf(int32_t julius);

// The marks of consecutive days, for a walk over the days: one search for
// the first day, then each step only moves on. Agrees with SekkiMarksOf.
class SekkiWalk {
public:
    explicit SekkiWalk(int32_t julius);
    std::span<const SekkiMark> Marks() const { return {first_, last_}; }
    // Moves on to the next day.
    void Next();

private:
    int32_t julius_;
    const SekkiMark* first_;  // the day's marks, or where they would be
    const SekkiMark* last_;
    const SekkiMark* end_;  // of all marks
};

}  // namespace zenka
