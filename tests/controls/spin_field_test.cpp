// The rules of a number field with arrows.
#include "controls/spin_field.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace zenka {
namespace {

constexpr SpinRange kOki{1, 10000};
constexpr SpinRange kWait{0, 60};
constexpr SpinRange kAutoClose{1, 999};
constexpr SpinRange kHour{0, 23};
constexpr SpinRange kUnbounded{0, 0};

TEST(SpinField, TypedCharactersValuesAndTheTextOnLeaving) {
    EXPECT_TRUE(SpinAcceptsChar(U'7', U'.'));
    EXPECT_TRUE(SpinAcceptsChar(U'-', U'.'));
    EXPECT_TRUE(SpinAcceptsChar(U'+', U'.'));
    EXPECT_TRUE(SpinAcceptsChar(U',', U','));
    EXPECT_FALSE(SpinAcceptsChar(U',', U'.'));
    EXPECT_FALSE(SpinAcceptsChar(U'a', U'.'));
    EXPECT_FALSE(SpinAcceptsChar(U'５', U'.')) << "full-width digits are not typed into a number";

    struct Case {
        const char* text;
        SpinRange range;
        int32_t value;
        const char* onExit;
    };
    const Case cases[] = {
        {"60", kOki, 60, "60"},
        {"0", kOki, 1, "1"},
        {"20000", kOki, 10000, "10000"},
        {"99999999999999999999", kOki, 10000, "10000"},
        {"", kOki, 1, "1"},
        {"abc", kWait, 0, "0"},
        {"1.5", kAutoClose, 1, "1"},
        {"-", kAutoClose, 1, "1"},
        {"+5", kWait, 5, "+5"},
        {"007", kHour, 7, "007"},
        {"-32", kUnbounded, -32, "-32"},
        {"123456", kUnbounded, 123456, "123456"},
        {"-99999999999", kUnbounded, INT32_MIN, "-2147483648"},
        {"x", kUnbounded, 0, "0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(SpinValue(c.text, c.range), c.value);
        EXPECT_EQ(SpinTextOnExit(c.text, c.range), c.onExit);
    }
    EXPECT_EQ(SpinStep("10000", kOki, 1), 10000);
    EXPECT_EQ(SpinStep("1", kOki, -1), 1);
    EXPECT_EQ(SpinStep("x", kWait, 1), 1);
    EXPECT_EQ(SpinStep("-32", kUnbounded, -1), -33);
}

}  // namespace
}  // namespace zenka
