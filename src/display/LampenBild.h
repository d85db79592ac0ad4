#pragma once

#include <QPixmap>

namespace zafku {

enum class LampenFarbe { Rot, Gelb, Gruen, Aus };

// A glossy round lamp, 26 x 26 pixels at 96 dpi, on a transparent background.
QPixmap lampenBild(LampenFarbe farbe, qreal pixelRatio = 1.0);

} // namespace zafku
