#include "runtime/Numbers.h"
#include "runtime/Random.h"

#include <gtest/gtest.h>

#include <set>

TEST(NumberText, StandardFormHasNoTrailingZerosNoExponentAndALeadingZero)
{
    const std::pair<float, const char*> rows[] = {
        {9999.0f, "9999"}, {12.5f, "12.5"}, {2.9f, "2.9"},    {3.0f, "3"},         {-3.0f, "-3"},
        {0.0f, "0"},       {-0.0f, "0"},    {123.45f, "123.45"}, {0.53f, "0.53"}, {0.05f, "0.05"},
        {12345678.0f, "12345680"},  // seven significant digits
        {0.000125f, "0.000125"},
    };
    for (const auto& [value, text] : rows)
        EXPECT_EQ(NumberText(value), text) << text;
    EXPECT_EQ(NumberText(std::int32_t{-2147483647 - 1}), "-2147483648");
}

TEST(NumberText, HundredthsPattern)
{
    EXPECT_EQ(FormatNumber(2.9, "#####.00"), "2.90");
    EXPECT_EQ(FormatNumber(3.004, "#####.00"), "3.00");
    EXPECT_EQ(FormatNumber(2.796, "#####.00"), "2.80");
    EXPECT_EQ(FormatNumber(0.5, "#####.00"), ".50");  // no leading zero before the point
    EXPECT_EQ(FormatNumber(123456.0, "#####.00"), "123456.00");
}

TEST(NumberText, StrictConversions)
{
    EXPECT_EQ(ParseInt32("-12"), -12);
    EXPECT_EQ(ParseInt32("2147483647"), 2147483647);
    EXPECT_EQ(ParseInt32("2.5"), 2);  // a half goes to the even neighbour
    EXPECT_EQ(ParseInt32("3.5"), 4);
    for (const char* bad : {"2147483648", "abc", "12abc", "", " 7"})
        EXPECT_FALSE(ParseInt32(bad)) << bad;
    EXPECT_EQ(ParseSingle(".50"), 0.5f);
    for (const char* bad : {"inf", "nan", "1e39", "0x10"})
        EXPECT_FALSE(ParseSingle(bad)) << bad;
}

TEST(RandomNumbers, StayInUnitRangeAndReseedingWithTheSameClockGoesOn)
{
    RandomNumbers r;
    r.reseed(100.25f);
    const float first = r.next();
    r.reseed(100.25f);  // the same clock reading again
    EXPECT_NE(r.next(), first);
    std::set<int> digits;
    for (int i = 0; i < 10000; ++i) {
        const float f = r.next();
        ASSERT_TRUE(f >= 0.0f && f < 1.0f);
        digits.insert(WholePart(f * 10.0));
    }
    EXPECT_EQ(digits.size(), 10u);
}
