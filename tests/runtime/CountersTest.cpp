#include "runtime/Counters.h"

#include "FakeServices.h"

#include <gtest/gtest.h>

TEST(Counters, AnOverflowIsReportedAndEndsInsteadOfWrapping)
{
    FakeServices fake;
    ServicesGuard guard(fake);
    std::int16_t key = 32766;
    Increment(key);
    EXPECT_EQ(key, 32767);
    EXPECT_TRUE(Ends([&] { Increment(key); }));
    EXPECT_EQ(key, 32767);
    ASSERT_EQ(fake.boxes.size(), 1u);
    EXPECT_EQ(fake.boxes[0].kind, MessageKind::Stop);
    std::int32_t count = 2147483647;
    EXPECT_TRUE(Ends([&] { Increment(count); }));
    EXPECT_TRUE(Ends([] { CheckedSum(2147483647, 1); }));
    EXPECT_EQ(CheckedSum(2147483646, 1), 2147483647);
}
