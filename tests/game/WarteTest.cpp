#include "game/Warte.h"
#include "support/FesteUhr.h"

#include <gtest/gtest.h>

using namespace zafku;

TEST(Warte, EndsWhenTheWholeSecondClockHasMovedOnByN) {
    const std::tuple<double, int, double> faelle[] = {
        {10.375, 2, 11.5}, {10.5, 2, 12.5}, {10.0, 1, 10.5}, {7.25, 0, 7.25}};
    for (const auto& [start, sekunden, ende] : faelle) {
        FesteUhr uhr(start);
        // Each pause lets an eighth of a second pass.
        warte(sekunden, uhr, [&] { uhr.sekunden += 0.125; });
        EXPECT_NEAR(uhr.sekunden, ende, 1e-9) << start << " + " << sekunden;
    }
}
