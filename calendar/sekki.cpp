#include "calendar/sekki.h"

#include <algorithm>
#include <cstddef>
#include <vector>

#include "calendar/sekki_names.h"
#include "calendar/sekki_table.h"
#include "calendar/sexagenary.h"

namespace zenka {

namespace {

constexpr int kRisshun = 315;
constexpr int kShunbun = 0;
constexpr int kShubun = 180;
constexpr int kNyubai = 80;
constexpr int kHangesho = 100;

struct DoyoPeriod {
    int entry;  // 土用の入り
    int end;    // the 立 term that ends it
};
constexpr DoyoPeriod kDoyo[] = {{297, 315}, {27, 45}, {117, 135}, {207, 225}};

// The table holds every longitude of every year in its range.
int32_t Day(int32_t year, int longitude) { return DayOfSolarLongitude(year, longitude).value(); }

// The 戊 day nearest `day`; of two five days away, the earlier.
int32_t NearestTsuchinoe(int32_t day) {
    const int sinceTsuchinoe = (StemOf(day) - kStemTsuchinoe + 10) % 10;
    return sinceTsuchinoe <= 5 ? day - sinceTsuchinoe : day + (10 - sinceTsuchinoe);
}

// The marks of one year in the order a day lists them, before sorting by day.
void AddYear(int32_t year, std::vector<SekkiMark>& marks) {
    const auto add = [&marks](int32_t julius, std::string_view name, bool solarTerm = false) {
        marks.push_back({julius, name, solarTerm});
    };
    for (int term = 0; term < 24; ++term) add(Day(year, term * 15), sekki::kSolarTerms[term], true);
    const int32_t risshun = Day(year, kRisshun);
    add(risshun - 1, sekki::kSetsubun);
    for (const int equinox : {kShunbun, kShubun}) {
        add(Day(year, equinox) - 3, sekki::kHiganIri);
        add(Day(year, equinox) + 3, sekki::kHiganAke);
    }
    for (const int equinox : {kShunbun, kShubun}) add(NearestTsuchinoe(Day(year, equinox)), sekki::kShanichi);
    add(risshun + 87, sekki::kHachijuHachiya);
    add(Day(year, kNyubai), sekki::kNyubai);
    add(Day(year, kHangesho), sekki::kHangesho);
    add(risshun + 209, sekki::kNihyakuToka);
    add(risshun + 219, sekki::kNihyakuHatsuka);
    for (const DoyoPeriod& doyo : kDoyo) add(Day(year, doyo.entry), sekki::kDoyoIri);
    for (const DoyoPeriod& doyo : kDoyo) {
        const int32_t entry = Day(year, doyo.entry), end = Day(year, doyo.end);
        const int32_t firstUshi = entry + (kBranchUshi - BranchOf(entry) + 12) % 12;
        for (int32_t day = firstUshi; day < end; day += 12) add(day, sekki::kDoyoUshi);
    }
}

// Every mark of every year, sorted by day; within a day in the order
// AddYear gives them. A year's marks all lie inside it, so sorting each
// year sorts the whole.
std::vector<SekkiMark> AllMarks() {
    std::vector<SekkiMark> marks;
    marks.reserve(static_cast<size_t>(kLastSekkiYear - kFirstSekkiYear + 1) * 64);
    for (int32_t year = kFirstSekkiYear; year <= kLastSekkiYear; ++year) {
        const auto first = static_cast<std::ptrdiff_t>(marks.size());
        AddYear(year, marks);
        std::stable_sort(marks.begin() + first, marks.end(),
                         [](const SekkiMark& a, const SekkiMark& b) { return a.julius < b.julius; });
    }
    return marks;
}

const std::vector<SekkiMark>& MarkTable() {
    static const std::vector<SekkiMark> marks = AllMarks();
    return marks;
}

}  // namespace

std::span<const SekkiMark> SekkiMarksOf(int32_t julius) {
    const SekkiWalk day(julius);
    return day.Marks();
}

SekkiWalk::SekkiWalk(int32_t julius) : julius_(julius) {
    const auto& marks = MarkTable();
    end_ = marks.data() + marks.size();
    first_ = std::lower_bound(marks.data(), end_, julius, [](const SekkiMark& m, int32_t j) { return m.julius < j; });
    for (last_ = first_; last_ != end_ && last_->julius == julius_;) ++last_;
}

void SekkiWalk::Next() {
    ++julius_;
    first_ = last_;
    while (first_ != end_ && first_->julius < julius_) ++first_;
    for (last_ = first_; last_ != end_ && last_->julius == julius_;) ++last_;
}

}  // namespace zenka
