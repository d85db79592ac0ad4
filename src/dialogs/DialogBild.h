#pragma once

#include <QPixmap>

class QLabel;
class QWidget;

namespace zafku {

// Sprechblase: the message window's picture, friendly whether it brings praise or a
// mistake.
enum class DialogBild { Sprechblase, Frage, Gluehbirne, Computer };

// The 45 x 45 pixel picture at the left of each dialog, drawn in code.
QPixmap zeichneDialogBild(DialogBild art);

// A picture label named Image1 at the given twips position.
QLabel* erzeugeBildLabel(QWidget* dialog, DialogBild art, int links, int oben);

} // namespace zafku
