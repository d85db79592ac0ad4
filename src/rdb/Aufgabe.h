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
    // How the word is read aloud, in espeak-ng's phoneme code within [[ ]]; empty: as
    // it is written.
    QString aktAussprache;
    bool operator==(const Aufgabe&) const = default;
};

} // namespace zafku
