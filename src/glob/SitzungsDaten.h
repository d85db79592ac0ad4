#pragma once

#include <QString>

#include <array>
#include <cstdint>

namespace zafku {

// Run-wide values, one per run; owned by the application and handed to every part that
// reads or writes them. Plain fields on purpose: every subsystem uses them directly.
struct SitzungsDaten {
    static constexpr int maxZeilen = 5;

    QString appPfad;
    QString userPfad;
    QString meldungsText;
    int nSpieler = 0;
    int aktSpieler = 0;
    std::array<QString, maxZeilen> spielerName;
    std::array<QString, maxZeilen> spielerDatei;
    // Column 0 the points, column 1 the number of Zafkus.
    std::array<std::array<std::int32_t, 2>, maxZeilen> punkte{};
    QString feldName;
    QString katTitel;
    int katNr = 0;
    std::int32_t katHilfeNr = 0;
    int spielZeitFaktor = 0;
    int prtDateiNr = 0;
    int einstAnzahl = 0;
    std::array<QString, 5> einstSchluessel;
    int tonEin = 0;
    int rateZeitBegrenzen = 0;
    int einstSpeichern = 0;
    int gegenComputer = 0;
    int compSpielStaerke = 0;
    // Row p's colour is (t[p], t[p + 5], t[p + 10]).
    std::array<int, 15> farbTabHell{};
    std::array<int, 15> farbTabStark{};
    // Event name and sound file base name (or "<NULL>") per row.
    std::array<std::array<QString, 2>, 15> soundTab;
    // The game's own help file, set at start-up.
    QString hilfeDatei;
};

} // namespace zafku
