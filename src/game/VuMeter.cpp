#include "VuMeter.h"

#include <algorithm>
#include <cmath>

namespace zafku {

namespace {
constexpr double kPi = 3.1415926535;
constexpr double kSchwenk = 264;
constexpr double kLinkerAnschlag = -42;
constexpr double kZeigerAnteil = 0.6;

std::int16_t rundeGerade(double v) {
    return static_cast<std::int16_t>(std::nearbyint(v)); // default mode: halves to even
}
} // namespace

double gradInBogen(double grad) {
    return grad * (kPi / 180);
}

Punkt polarPunkt(double radius, double winkel) {
    const double a = gradInBogen(winkel);
    return {rundeGerade(radius * std::cos(a)), rundeGerade(radius * std::sin(a))};
}

VuLinie vuZeigerLinie(int t, const VuRahmen& rahmen) {
    const double winkel = t / 1000.0 * kSchwenk + kLinkerAnschlag;
    const double r = rahmen.breite / 2;
    const Punkt p = polarPunkt(r * kZeigerAnteil, winkel);
    // Screen y grows downwards, so the tip is the centre minus the polar point.
    const float mx = static_cast<float>(rahmen.links + r);
    const float my = static_cast<float>(rahmen.oben + r);
    return {mx, my, mx - p.x, my - p.y};
}

VuAchse vuAchse(const VuRahmen& rahmen) {
    VuAchse achse;
    achse.breite = rahmen.breite / 8;
    achse.oben = rahmen.oben + rahmen.breite / 2 - achse.breite / 2;
    achse.links = rahmen.links + rahmen.breite / 2 - achse.breite / 2;
    return achse;
}

void RestZeitStand::schrumpfe(long d) {
    const int unten = oben + hoehe;
    hoehe = static_cast<int>(std::clamp<long>(hoehe - d, 0, hoehe));
    oben = unten - hoehe;
}

} // namespace zafku
