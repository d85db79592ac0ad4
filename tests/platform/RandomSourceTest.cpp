#include "platform/RandomSource.h"

#include <gtest/gtest.h>

#include <set>

using zafku::SystemRandomSource;

TEST(SystemRandomSource, StaysInUnitIntervalAndDiffersWithinOneTimerTick) {
    SystemRandomSource quelle(42);
    std::set<float> gesehen;
    for (int i = 0; i < 1000; ++i) {
        quelle.reseed(12345.25); // the same tick every time
        const float r = quelle.next();
        ASSERT_GE(r, 0.0f);
        ASSERT_LT(r, 1.0f);
        gesehen.insert(r);
    }
    EXPECT_GT(gesehen.size(), 990u);
}
