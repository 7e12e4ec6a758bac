// The day stamp's format: the user's short date.
#include "app/short_date_win.h"

#include <gtest/gtest.h>

namespace zenka {
namespace {

TEST(SystemShortDate, OneTextPerDayWhateverTheTime) {
    DateTime day;
    day.year = 2006;
    day.month = 1;
    day.day = 5;
    day.hour = 23;
    const SystemShortDate format;
    const std::string text = format.FormatShortDate(day);
    EXPECT_NE(text.find("2006"), std::string::npos) << text;
    day.hour = 0;
    EXPECT_EQ(format.FormatShortDate(day), text) << "the time of day plays no part";
    day.day = 6;
    EXPECT_NE(format.FormatShortDate(day), text);
    day.year = 1998;
    day.month = 1;
    day.day = 1;
    EXPECT_NE(format.FormatShortDate(day), "98/01/01") << "with a four-digit year the first start's stamp matches no day";
}

}  // namespace
}  // namespace zenka
