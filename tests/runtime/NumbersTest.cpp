#include "runtime/Counters.h"
#include "runtime/Numbers.h"

#include "FakeServices.h"

#include <gtest/gtest.h>

TEST(Numbers, TheStandardFormHasNoTrailingZerosNoExponentAndSevenDigits)
{
    const std::pair<float, const char*> rows[] = {{9999.0f, "9999"}, {12.5f, "12.5"},   {2.9f, "2.9"},   {-3.0f, "-3"},         {-0.0f, "0"},
                                                  {0.53f, "0.53"},   {0.05f, "0.05"},   {123.45f, "123.45"}, {12345678.0f, "12345680"},
                                                  {0.000125f, "0.000125"}};
    for (const auto& [value, text] : rows)
        EXPECT_EQ(NumberText(value), text);
    EXPECT_EQ(NumberText(std::int32_t{-2147483647 - 1}), "-2147483648");
}

TEST(Numbers, HundredthsWriteNoZeroBeforeThePointAndConversionsAreStrict)
{
    for (const auto& [value, text] : {std::pair<double, const char*>{2.9, "2.90"}, {3.004, "3.00"}, {2.796, "2.80"}, {0.5, ".50"}, {123456.0, "123456.00"}})
        EXPECT_EQ(FormatNumber(value, "#####.00"), text);
    EXPECT_EQ(ParseInt32("-12"), -12);
    EXPECT_EQ(ParseInt32("2.5"), 2);  // a half goes to the even neighbour
    EXPECT_EQ(ParseInt32("3.5"), 4);
    for (const char* bad : {"2147483648", "abc", "12abc", "", " 7"})
        EXPECT_FALSE(ParseInt32(bad)) << bad;
    EXPECT_EQ(ParseSingle(".50"), 0.5f);
    for (const char* bad : {"inf", "nan", "1e39", "0x10"})
        EXPECT_FALSE(ParseSingle(bad)) << bad;
}

TEST(Counters, AnOverflowIsReportedAndEndsInsteadOfWrapping)
{
    FakeServices fake;
    ServicesGuard guard(fake);
    std::int16_t key = 32767;
    EXPECT_THROW(Increment(key), ProgramEnded);
    EXPECT_EQ(key, 32767);
    EXPECT_THROW(CheckedSum(2147483647, 1), ProgramEnded);
    EXPECT_EQ(fake.boxes.at(0), (Box{"Overflow ERROR", "数値が大きくなりすぎました（オーバーフロー）\r\n実行を中断します", MessageKind::Stop}));
}
