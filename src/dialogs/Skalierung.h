#pragma once

namespace zafku {

// Changes the game's size factor and lays every window out again at it, shown or hidden:
// each control keeps its designed place and font, times the new factor. Controls that
// a window places itself (in a layout, or moved after the text) follow on their own.
void wechsleMassstab(double faktor);

} // namespace zafku
