// The names calendars print for the 24 solar terms and the 雑節.
#pragma once

#include <string_view>

namespace zenka::sekki {

// By the Sun's longitude / 15 degrees: 春分 at 0, 立春 at 315.
inline constexpr std::string_view kSolarTerms[24] = {"春分", "清明", "穀雨", "立夏", "小満", "芒種", "夏至", "小暑",
                                                     "大暑", "立秋", "処暑", "白露", "秋分", "寒露", "霜降", "立冬",
                                                     "小雪", "大雪", "冬至", "小寒", "大寒", "立春", "雨水", "啓蟄"};

inline constexpr std::string_view kSetsubun = "節分";
inline constexpr std::string_view kHiganIri = "彼岸入り";
inline constexpr std::string_view kHiganAke = "彼岸明け";
inline constexpr std::string_view kShanichi = "社日";
inline constexpr std::string_view kHachijuHachiya = "八十八夜";
inline constexpr std::string_view kNyubai = "入梅";
inline constexpr std::string_view kHangesho = "半夏生";
inline constexpr std::string_view kNihyakuToka = "二百十日";
inline constexpr std::string_view kNihyakuHatsuka = "二百二十日";
inline constexpr std::string_view kDoyoIri = "土用の入り";
inline constexpr std::string_view kDoyoUshi = "土用の丑の日";

}  // namespace zenka::sekki
