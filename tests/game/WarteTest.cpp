#include "game/Warte.h"
#include "support/FesteUhr.h"

#include <gtest/gtest.h>

using namespace zafku;

TEST(Warte, EndsWhenTheWholeSecondClockHasMovedOnByN) {
    const struct {
        double start;
        int sekunden;
        double ende;
    } faelle[] = {{10.375, 2, 11.5}, {10.5, 2, 12.5}, {10.0, 1, 10.5}, {7.25, 0, 7.25}};
    for (const auto& f : faelle) {
        FesteUhr uhr(f.start);
        // Each pause lets an eighth of a second pass.
        warte(f.sekunden, uhr, [&] { uhr.sekunden += 0.125; });
        EXPECT_NEAR(uhr.sekunden, f.ende, 1e-9) << f.start << " + " << f.sekunden;
    }
}
