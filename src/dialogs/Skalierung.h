#pragma once

#include <QSize>

namespace zafku {

// Changes the game's size factor and lays every window out again at it, shown or hidden:
// each control keeps its designed place and font, times the new factor. Controls that
// a window places itself (in a layout, or moved after the text) follow on their own.
void wechsleMassstab(double faktor);

// Sets the factor for a program whose main window is designed at entwurf pixels, from the
// remembered size and the primary screen; anteil is the screen share it may take unasked.
void passeMassstabAn(QSize entwurf, double anteil);

} // namespace zafku
