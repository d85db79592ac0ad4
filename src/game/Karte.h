#pragma once

#include <QString>

#include <array>

namespace zafku {

class ZufallsZahlen;

constexpr int kMaxKarten = 4;
constexpr int kFelder = 25;
// True as the host's flags store it.
constexpr int kMarkiert = -1;

// Marks per player, fields 1 to 25 (index 0 unused); kMarkiert when won, 0 when open.
using Karten = std::array<std::array<int, kFelder + 1>, kMaxKarten>;

// True when one of the 12 lines (5 rows, 5 columns, 2 diagonals) is complete.
bool hatZafku(const Karten& karte, int spieler);

// The first field from start on (26 wraps to 1) that no player holds; -1 when every
// field is held by some player.
int naechstesFreiesFeld(const Karten& karte, int nSpieler, int start);

// The field of the coming task: preferably one nobody holds, never one the player on
// turn holds already.
int waehleFeld(const Karten& karte, int nSpieler, int aktSpieler, ZufallsZahlen& zufall);

// Column letter and row digit, e.g. 13 gives F3.
QString feldKennung(int feld);

} // namespace zafku
