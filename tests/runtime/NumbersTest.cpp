#include "runtime/Guard.h"
#include "runtime/Numbers.h"
#include "runtime/Random.h"

#include "GameTest.h"

#include <gtest/gtest.h>

#include <set>

TEST(NumberText, StandardFormHasNoTrailingZerosAndNoExponent)
{
    EXPECT_EQ(CStr(9999.0f), "9999");
    EXPECT_EQ(CStr(12.5f), "12.5");
    EXPECT_EQ(CStr(2.9f), "2.9");
    EXPECT_EQ(CStr(3.0f), "3");
    EXPECT_EQ(CStr(-3.0f), "-3");
    EXPECT_EQ(CStr(0.0f), "0");
    EXPECT_EQ(CStr(-0.0f), "0");
    EXPECT_EQ(CStr(123.45f), "123.45");
    EXPECT_EQ(CStr(3600.0f), "3600");
    EXPECT_EQ(CStr(0.05f), "0.05");
    EXPECT_EQ(CStr(12345678.0f), "12345680");  // seven significant digits
    EXPECT_EQ(CStr(0.000125f), "0.000125");
    EXPECT_EQ(CStr(std::int32_t{-2147483647 - 1}), "-2147483648");
    EXPECT_EQ(CStr(std::int32_t{7}), "7");
}

TEST(NumberText, HundredthsFormat)
{
    EXPECT_EQ(Format(2.9, "#####.00"), "2.90");
    EXPECT_EQ(Format(3.004, "#####.00"), "3.00");
    EXPECT_EQ(Format(2.796, "#####.00"), "2.80");
    EXPECT_EQ(Format(0.5, "#####.00"), ".50");  // no leading zero before the point
    EXPECT_EQ(Format(12345.678, "#####.00"), "12345.68");
    EXPECT_EQ(Format(123456.0, "#####.00"), "123456.00");
    EXPECT_EQ(Format(2.9f, "#####.00"), "2.90");
    EXPECT_EQ(*ToSingle(Format(2.796f, "#####.00")), 2.8f);
}

TEST(NumberText, StrictConversions)
{
    EXPECT_EQ(ToLong("7"), 7);
    EXPECT_EQ(ToLong("-12"), -12);
    EXPECT_EQ(ToLong("2147483647"), 2147483647);
    EXPECT_FALSE(ToLong("2147483648"));
    EXPECT_FALSE(ToLong("abc"));
    EXPECT_FALSE(ToLong("12abc"));
    EXPECT_FALSE(ToLong(""));
    EXPECT_FALSE(ToLong(" 7"));
    EXPECT_EQ(ToSingle("12.5"), 12.5f);
    EXPECT_EQ(ToSingle(".50"), 0.5f);
    EXPECT_EQ(ToSingle("9999"), 9999.0f);
    EXPECT_FALSE(ToSingle("inf"));
    EXPECT_FALSE(ToSingle("nan"));
    EXPECT_FALSE(ToSingle("1e39"));
    EXPECT_FALSE(ToSingle("0x10"));
}

TEST(RandomNumbers, StayInUnitRangeAndReseedingWithTheSameClockGoesOn)
{
    rt::Random a;
    a.Randomize(100.25f);
    const float first = a.Next();
    a.Randomize(100.25f);  // same clock reading again
    const float second = a.Next();
    EXPECT_NE(first, second);

    std::set<int> digits;
    for (int i = 0; i < 10000; ++i) {
        const float r = a.Next();
        ASSERT_GE(r, 0.0f);
        ASSERT_LT(r, 1.0f);
        digits.insert(Int(r * 10.0));
    }
    EXPECT_EQ(digits.size(), 10u);
}

class OverflowGuard : public GameTest {};

TEST_F(OverflowGuard, ReportsAndEndsInsteadOfWrapping)
{
    std::int16_t key = 32766;
    Increment(key);
    EXPECT_EQ(key, 32767);
    EXPECT_TRUE(Ends([&] { Increment(key); }));
    EXPECT_EQ(key, 32767);
    ASSERT_EQ(fake.boxes.size(), 1u);
    EXPECT_EQ(fake.boxes[0].style, 16);

    std::int32_t count = 2147483647;
    EXPECT_TRUE(Ends([&] { Increment(count); }));
    EXPECT_TRUE(Ends([&] { CheckedSum(2147483647, 1); }));
    EXPECT_EQ(CheckedSum(2147483646, 1), 2147483647);
}
