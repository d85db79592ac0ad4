#pragma once

#include <QPixmap>

namespace zafku {

// The artwork of the dial and the play-time bar, drawn in code at the size the window
// gives (logical pixels) and sharp on high-density screens.

// A round dial with a ring of tick marks over the 264 degrees the needle sweeps, open
// at the bottom: yellow with a green ring when the guess time is limited, grey otherwise.
QPixmap vuSkalaBild(bool ein, int groesse, qreal pixelRatio = 1.0);

// A glass tube with a bulb at the bottom and a scale beside it; the bar stands in it
// from balkenOben to balkenUnten, between balkenLinks and balkenRechts (pixels).
QPixmap roehrenBild(QSize groesse, QRectF balken, qreal pixelRatio = 1.0);

// The green column of the play-time bar, meant to be stretched to the bar's box.
QPixmap balkenBild(qreal pixelRatio = 1.0);

} // namespace zafku
