#include "calendar/number_text.h"

#include <gtest/gtest.h>

#include <limits>

namespace zenka {
namespace {

constexpr int64_t kInt64Min = std::numeric_limits<int64_t>::min();
constexpr int64_t kInt64Max = std::numeric_limits<int64_t>::max();

TEST(ReadNumber, EachFormTakesOnlyItsOwnWritingOfANumber) {
    const NumberForm plain;
    const NumberForm signedForm{.signs = "+-"};
    const NumberForm minusOnly{.signs = "-"};
    const NumberForm twoToFour{.minDigits = 2, .maxDigits = 4};
    const NumberForm noLeadingZero{.leadingZeros = false};
    const NumberForm hex{.base = 16, .min = 0};
    const NumberForm port{.min = 1, .max = 65535};
    const NumberForm wide{.signs = "+-", .min = kInt64Min, .max = kInt64Max};
    const NumberForm saturating{.signs = "+-", .min = -100, .max = 100, .saturate = true};
    const struct {
        const char* text;
        const NumberForm& form;
        std::optional<int64_t> value;
    } cases[] = {
        {"0", plain, 0},
        {"007", plain, 7},
        {"2147483647", plain, 2147483647},
        {"2147483648", plain, std::nullopt},
        {"", plain, std::nullopt},
        {"-1", plain, std::nullopt},
        {"+1", plain, std::nullopt},
        {" 1", plain, std::nullopt},
        {"1 ", plain, std::nullopt},
        {"1.0", plain, std::nullopt},
        {"1x", plain, std::nullopt},
        {"0x10", plain, std::nullopt},
        {"１", plain, std::nullopt},  // a full-width digit
        {"+7", signedForm, 7},
        {"-12", signedForm, -12},
        {"-0", signedForm, 0},
        {"-2147483648", signedForm, std::numeric_limits<int32_t>::min()},
        {"-2147483649", signedForm, std::nullopt},
        {"+", signedForm, std::nullopt},
        {"-", signedForm, std::nullopt},
        {"+-1", signedForm, std::nullopt},
        {"-+1", signedForm, std::nullopt},
        {"--1", signedForm, std::nullopt},
        {"-5", minusOnly, -5},
        {"+5", minusOnly, std::nullopt},
        {"1", twoToFour, std::nullopt},
        {"01", twoToFour, 1},
        {"9999", twoToFour, 9999},
        {"00001", twoToFour, std::nullopt},
        {"0", noLeadingZero, 0},
        {"10", noLeadingZero, 10},
        {"01", noLeadingZero, std::nullopt},
        {"1F", hex, 31},
        {"ff", hex, 255},
        {"7FFFFFFF", hex, 2147483647},
        {"80000000", hex, std::nullopt},
        {"g", hex, std::nullopt},
        {"0", port, std::nullopt},
        {"65535", port, 65535},
        {"65536", port, std::nullopt},
        {"9223372036854775807", wide, kInt64Max},
        {"-9223372036854775808", wide, kInt64Min},
        {"9223372036854775808", wide, std::nullopt},
        {"-9223372036854775809", wide, std::nullopt},
        {"99999999999999999999999", wide, std::nullopt},
        {"101", saturating, 100},
        {"-101", saturating, -100},
        {"99999999999999999999999", saturating, 100},
        {"-99999999999999999999999", saturating, -100},
        {"99999999999999999999x", saturating, std::nullopt},
        {"-7", saturating, -7},
    };
    for (const auto& c : cases) EXPECT_EQ(ReadNumber(c.text, c.form), c.value) << '"' << c.text << '"';
}

TEST(ParseDecimal, AnOptionalSignAndDigitsWithin32Bits) {
    EXPECT_EQ(ParseDecimal("+7"), 7);
    EXPECT_EQ(ParseDecimal("-2147483648"), std::numeric_limits<int32_t>::min());
    EXPECT_EQ(ParseDecimal("2147483648"), std::nullopt);
    EXPECT_EQ(ParseDecimal("0x10"), std::nullopt);
}

}  // namespace
}  // namespace zenka
