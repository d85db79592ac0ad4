#include "platform/Clock.h"

#include <gtest/gtest.h>

// The game's timings count from the clock's creation.
TEST(SystemClock, CountsFromItsCreation) {
    const zafku::SystemClock uhr;
    EXPECT_GE(uhr.monotonicSeconds(), 0);
    EXPECT_LT(uhr.monotonicSeconds(), 60);
}
