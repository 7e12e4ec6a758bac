#include "calendar/equinox.h"

#include <gtest/gtest.h>

#include "calendar/julius.h"

namespace zenka {
namespace {

TEST(Equinox, DaysOfKnownYears) {
    struct Row {
        int32_t year;
        uint8_t vernalDay, autumnalDay;
    };
    const Row rows[] = {{1900, 21, 23}, {1980, 20, 23}, {2000, 20, 23}, {2006, 21, 23},
                        {2010, 21, 23}, {2012, 20, 22}, {2020, 20, 22}, {2100, 20, 23}};
    for (const Row& r : rows) {
        EXPECT_EQ(JuliusToDate(VernalEquinoxJulius(r.year)), (CivilDate{r.year, 3, r.vernalDay})) << r.year;
        EXPECT_EQ(JuliusToDate(AutumnalEquinoxJulius(r.year)), (CivilDate{r.year, 9, r.autumnalDay})) << r.year;
    }
    EXPECT_EQ(VernalEquinoxJulius(2000), 2451624);
    EXPECT_EQ(JuliusDayOfWeek(VernalEquinoxJulius(2010)), 1) << "2010's vernal equinox day is a Sunday";
}

TEST(Equinox, DayTestsCompareMonthAndDay) {
    EXPECT_TRUE(IsVernalEquinoxDay(2006, 3, 21));
    EXPECT_FALSE(IsVernalEquinoxDay(2006, 3, 20));
    EXPECT_FALSE(IsVernalEquinoxDay(2006, 9, 23));
    EXPECT_TRUE(IsAutumnalEquinoxDay(2006, 9, 23));
}

}  // namespace
}  // namespace zenka
