#pragma once

#include <cstdint>

namespace zafku {

struct Punkt {
    std::int16_t x = 0;
    std::int16_t y = 0;
};

// The dial's place in the main window, in twips.
struct VuRahmen {
    double links = 8700;
    double oben = 5700;
    double breite = 825;
};

// A line in window twips, from (x1, y1) to (x2, y2).
struct VuLinie {
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

// The axle's box: a circle of the smaller side, centred in the box.
struct VuAchse {
    double links = 0, oben = 0, breite = 0, hoehe = 135;
};

double gradInBogen(double grad);
// Rounded to whole twips, halves to the even neighbour.
Punkt polarPunkt(double radius, double winkel);
// The needle for gauge value t (0 left stop, 1000 right stop; not limited).
VuLinie vuZeigerLinie(int t, const VuRahmen& rahmen = {});
VuAchse vuAchse(const VuRahmen& rahmen = {});

// The play-time bar: it shrinks from the top, its bottom edge stays where it is.
struct RestZeitStand {
    static constexpr int kEnde = 100;
    int oben = 330;
    int hoehe = 4605;

    // A step past the remaining height leaves an empty bar, never a negative one.
    void schrumpfe(long d);
    bool abgelaufen() const { return hoehe < kEnde; }
};

} // namespace zafku
