#pragma once

#include "dialogs/HilfeDialog.h"

class QLabel;

namespace zafku {

class HelpViewer;

// The about box: the framework's name, the program's version and who made it.
class InfoFrm : public HilfeDialog {
    Q_OBJECT
  public:
    static constexpr long kHilfeThema = 3007;

    explicit InfoFrm(HelpViewer* hilfe = nullptr, QString hilfeDatei = {},
                     QWidget* parent = nullptr);

    // "4." and the minor and revision numbers of this build.
    static QString versionsText();

    QLabel* relLbl = nullptr;
};

// The framework's name in bright letters of different colours, 100 x 37 pixels times faktor.
QPixmap vokraSchriftzug(double faktor = 1.0, qreal pixelRatio = 1.0);

} // namespace zafku
