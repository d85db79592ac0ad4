#include "Karte.h"

#include "glob/GlobModul.h"

namespace zafku {

namespace {

constexpr int kLinien[12][5] = {{1, 2, 3, 4, 5},      {6, 7, 8, 9, 10},     {11, 12, 13, 14, 15},
                                {16, 17, 18, 19, 20}, {21, 22, 23, 24, 25}, {1, 6, 11, 16, 21},
                                {2, 7, 12, 17, 22},   {3, 8, 13, 18, 23},   {4, 9, 14, 19, 24},
                                {5, 10, 15, 20, 25},  {1, 7, 13, 19, 25},   {5, 9, 13, 17, 21}};

bool vonJemandemGehalten(const Karten& karte, int nSpieler, int feld) {
    for (int p = 0; p < nSpieler && p < kMaxKarten; ++p) {
        if (karte[p][feld] == kMarkiert)
            return true;
    }
    return false;
}

int naechstesFeld(int feld) {
    return feld % kFelder + 1;
}

} // namespace

bool hatZafku(const Karten& karte, int spieler) {
    for (const auto& linie : kLinien) {
        bool voll = true;
        for (int feld : linie)
            voll = voll && karte[spieler][feld] != 0;
        if (voll)
            return true;
    }
    return false;
}

int naechstesFreiesFeld(const Karten& karte, int nSpieler, int start) {
    int feld = start > kFelder ? 1 : start;
    for (int n = 1; n <= kFelder; ++n) {
        if (!vonJemandemGehalten(karte, nSpieler, feld))
            return feld;
        feld = naechstesFeld(feld);
    }
    return -1;
}

int waehleFeld(const Karten& karte, int nSpieler, int aktSpieler, ZufallsZahlen& zufall) {
    int feld = zufall.zufallsZahl(1, kFelder);
    if (!vonJemandemGehalten(karte, nSpieler, feld))
        return feld;
    const int frei = naechstesFreiesFeld(karte, nSpieler, feld + 1);
    if (frei != -1)
        return frei;
    feld = zufall.zufallsZahl(1, kFelder);
    // A player holds at most 20 fields (21 marks always complete a line), so this ends.
    while (karte[aktSpieler][feld] != 0)
        feld = naechstesFeld(feld);
    return feld;
}

QString feldKennung(int feld) {
    static const QString spalten = QStringLiteral("ZAFKU");
    const int spalte = feld % 5 == 0 ? 5 : feld % 5;
    const int zeile = (feld - 1) / 5 + 1;
    return spalten.at(spalte - 1) + QString::number(zeile);
}

} // namespace zafku
