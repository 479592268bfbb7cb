#include "platform/Rand.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

using platform::kRandMax;
using platform::Lcg15;

TEST(Lcg15, UnseededRunStartsAsTheCRuntimesDoes)
{
    Lcg15 generator;
    const std::vector<int> first { generator.next(), generator.next(), generator.next(), generator.next() };
    EXPECT_EQ(first, (std::vector<int> { 41, 18467, 6334, 26500 }));
}

TEST(Lcg15, SameSeedSameRunWithinFifteenBits)
{
    Lcg15 a;
    Lcg15 b;
    a.seed(1'200'000'000u);
    b.seed(1'200'000'000u);
    int low = kRandMax;
    int high = 0;
    for (int i = 0; i < 100'000; ++i) {
        const int value = a.next();
        ASSERT_EQ(value, b.next());
        low = std::min(low, value);
        high = std::max(high, value);
    }
    EXPECT_GE(low, 0);
    EXPECT_LE(high, kRandMax);
    EXPECT_LT(low, 10);
    EXPECT_GT(high, kRandMax - 10);

    b.seed(1'200'000'001u);
    a.seed(1'200'000'000u);
    EXPECT_NE(std::vector<int>({ a.next(), a.next(), a.next() }),
        std::vector<int>({ b.next(), b.next(), b.next() }));
}

TEST(Lcg15, RealServiceIsReseededBySrand)
{
    platform::Srand(77);
    const int first = platform::Rand();
    const int second = platform::Rand();
    platform::Srand(77);
    EXPECT_EQ(platform::Rand(), first);
    EXPECT_EQ(platform::Rand(), second);
}
