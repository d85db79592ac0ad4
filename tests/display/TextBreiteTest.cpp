#include "display/TextBreite.h"

#include <gtest/gtest.h>

using namespace zafku;

TEST(TextBreite, MeasuresOnlyThePartAndGrowsWithTheFont) {
    EXPECT_EQ(textBreite("Haus", 2, 3, false), textBreite("au", 1, 2, false));
    EXPECT_GT(textBreite("Haus", 2, 3, true), textBreite("Haus", 2, 3, false));
    EXPECT_GT(textBreite("Haus", 1, 4, false), textBreite("Haus", 2, 3, false));
    EXPECT_EQ(textBreite("Haus", 1, 0, true), 0);
}
