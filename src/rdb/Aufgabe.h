#pragma once

#include <QString>

namespace zafku {

// The current task; its right filling is aktWort's substring at aktVonPos of length
// aktLupLaenge.
struct Aufgabe {
    int aktRefNr = 0;
    QString aktWort;
    int aktVonPos = 0, aktLupLaenge = 0;
    QString aktLueckWort, aktKontext, aktSatzKontext;
    int aktKomplexInd = 0, aktPaarNr = 0;
    bool operator==(const Aufgabe&) const = default;
};

} // namespace zafku
