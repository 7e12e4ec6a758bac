#include "tools/oldcal/sekki_days.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "calendar/julius.h"
#include "calendar/sekki_table.h"

namespace zenka::oldcal {
namespace {

const std::vector<SolarArrival>& ArrivalsOfTwoCenturies() {
    static const std::vector<SolarArrival> arrivals =
        SekkiArrivals(DateToJulius(kFirstSekkiYear, 1, 1), DateToJulius(kLastSekkiYear, 12, 31));
    return arrivals;
}

TEST(SekkiDays, EmbeddedTableIsTheGeneratorsOutput) {
    EXPECT_EQ(FormatSekkiTable(ArrivalsOfTwoCenturies()), std::string(JdSekkiText()))
        << "calendar/data/JDSEKKI.txt is stale: rebuild the sekki_table target";
}

// The solar terms of 2009 in Japan Standard Time as the science almanac
// printed them, to the minute.
TEST(SekkiDays, InstantsAgreeWithThePublishedMinutes) {
    struct Published {
        int longitude;
        uint8_t month, day, hour, minute;
    };
    const Published published[] = {
        {285, 1, 5, 14, 14},  {300, 1, 20, 7, 40}, {315, 2, 4, 1, 50},  {330, 2, 18, 21, 46}, {345, 3, 5, 19, 48},
        {0, 3, 20, 20, 44},   {15, 4, 5, 0, 34},   {30, 4, 20, 7, 44},  {45, 5, 5, 17, 51},   {60, 5, 21, 6, 51},
        {75, 6, 5, 21, 59},   {90, 6, 21, 14, 46}, {105, 7, 7, 8, 13},  {120, 7, 23, 1, 36},  {135, 8, 7, 18, 1},
        {150, 8, 23, 8, 39},  {165, 9, 7, 20, 58}, {180, 9, 23, 6, 19}, {195, 10, 8, 12, 40}, {210, 10, 23, 15, 43},
        {225, 11, 7, 15, 56},
    };
    for (const Published& p : published) {
        const int32_t day = DateToJulius(2009, p.month, p.day);
        const SolarArrival* found = nullptr;
        for (const SolarArrival& arrival : ArrivalsOfTwoCenturies()) {
            if (arrival.longitude == p.longitude && arrival.day == day) found = &arrival;
        }
        ASSERT_NE(found, nullptr) << "no arrival at " << p.longitude << " on 2009-" << int(p.month) << "-"
                                  << int(p.day);
        const double publishedUt = day - 0.5 + (p.hour * 60 + p.minute - 9 * 60) / 1440.0;
        EXPECT_NEAR(found->instantUt, publishedUt, 1.0 / 1440.0) << "longitude " << p.longitude;
    }
}

}  // namespace
}  // namespace zenka::oldcal
