#pragma once

#include <QRect>

namespace zafku {

// Window geometry is designed in twips (1/1440 inch): 15 twips are one pixel at 96 dpi.
// Both conversions follow the screen's logical DPI and the game's size factor, so every
// window scales as one drawing; fonts scale with them through punkte().
int twips(int t);
// A control's place and size, all four in twips.
QRect twips(int links, int oben, int breite, int hoehe);
int pixelInTwips(int px);
double punkte(double designPunkte);

// The game's size factor (1 = the designed size). Set by the application at start and
// when the adult changes the size; never below 1.
double massstab();
void setzeMassstab(double faktor);

} // namespace zafku
