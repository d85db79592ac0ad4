#pragma once

#include <QPixmap>

class QLabel;
class QWidget;

namespace zafku {

// Sprechblase: the message window's picture, friendly whether it brings praise or a
// mistake.
enum class DialogBild { Sprechblase, Frage, Gluehbirne, Computer };

// The picture at the left of each dialog, drawn in code: seite pixels square (45 at the
// designed size).
QPixmap zeichneDialogBild(DialogBild art, int seite, qreal pixelRatio = 1.0);

// A picture label named Image1 at the given twips position.
QLabel* erzeugeBildLabel(QWidget* dialog, DialogBild art, int links, int oben);

} // namespace zafku
