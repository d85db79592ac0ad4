#pragma once

#include <QImage>

#include <array>

namespace zafku {

// Where the field squares lie on a card picture, in picture pixels.
struct KartenRaster {
    int groesse;
    std::array<int, 5> spalten;
    std::array<int, 5> zeilen;
    int feld;
};

// Card picture of player 0 to 3, or 4 for the grey card of an empty slot: a rounded
// coloured frame, the column letters Z A F K U centred over the square columns and the
// row digits 1 to 5 centred on the square rows. pixelRatio renders it sharp on dense
// screens.
QImage kartenBild(int index, const KartenRaster& raster, qreal pixelRatio = 1.0);

} // namespace zafku
