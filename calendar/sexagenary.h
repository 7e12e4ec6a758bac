// The sixty-day cycle of the ten stems (甲乙丙丁戊己庚辛壬癸) and the twelve
// branches (子丑寅卯辰巳午未申酉戌亥) that names every day.
#pragma once

#include <cstdint>

namespace zenka {

// The day's place in the cycle, 0 (甲子) to 59 (癸亥): Julius day 0 is 癸丑
// (49), and 2011-01-01 is 丙辰 (52).
constexpr int SexagenaryIndex(int32_t julius) { return static_cast<int>(((int64_t{julius} + 49) % 60 + 60) % 60); }

// 0 甲 .. 9 癸.
constexpr int StemOf(int32_t julius) { return SexagenaryIndex(julius) % 10; }
// 0 子 .. 11 亥.
constexpr int BranchOf(int32_t julius) { return SexagenaryIndex(julius) % 12; }

constexpr int kStemTsuchinoe = 4;  // 戊
constexpr int kBranchUshi = 1;     // 丑

}  // namespace zenka
