#pragma once

#include <QSize>

#include <vector>

namespace zafku {

// The sizes the adult steps through with Ctrl + Plus and Ctrl + Minus, as factors.
const std::vector<double>& groessenStufen();

// The largest factor at which a window of fenster pixels (at factor 1) takes at most
// anteil of platz in both directions; never below 1.
double passenderMassstab(QSize fenster, QSize platz, double anteil);

// The factor for a window designed at entwurf pixels: the size the adult chose, as far as
// the screen allows, or else the largest at which it takes anteil of the screen.
double fensterMassstab(QSize entwurf, QSize platz, double gewaehlt, double anteil);

// The next step above (richtung > 0) or below the factor, not beyond hoechster; the
// factor itself when there is none.
double naechsteStufe(double faktor, int richtung, double hoechster);

// The size the user chose, remembered across runs; 0 when the game picks it.
double gewaehlteGroesse();
void merkeGroesse(double faktor);

} // namespace zafku
