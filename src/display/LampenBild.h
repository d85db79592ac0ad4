#pragma once

#include <QPixmap>

namespace zafku {

enum class LampenFarbe { Rot, Gelb, Gruen, Aus };

// A glossy round lamp filling the smaller side of groesse (26 pixels at the designed size),
// centred on a transparent background.
QPixmap lampenBild(LampenFarbe farbe, QSize groesse, qreal pixelRatio = 1.0);

} // namespace zafku
