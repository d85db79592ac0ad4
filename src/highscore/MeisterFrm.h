#pragma once

#include "dialogs/HilfeDialog.h"

class QLabel;
class QPushButton;

namespace zafku {

class HelpViewer;
class MeisterListe;
struct SitzungsDaten;

// The high-score list. It reads the list on its first showing only; entries are added
// at program end, so the list cannot change while the game runs.
class MeisterFrm : public HilfeDialog {
    Q_OBJECT
  public:
    static constexpr long kHilfeThema = 3005;

    explicit MeisterFrm(MeisterListe& liste, HelpViewer* hilfe = nullptr, QString hilfeDatei = {},
                        QWidget* parent = nullptr);

    // Shows the list modally; the first call reads it.
    void zeige();
    // Offers the players' points; "" or a German message for the host.
    QString updateMeister(const SitzungsDaten& daten, const QString& datum);

    QLabel* lfdNrLbl = nullptr;
    QLabel* MstNameLbl = nullptr;
    QLabel* DatLbl = nullptr;
    QLabel* PunkteLbl = nullptr;
    // Takes the place of the list when the store cannot be read.
    QLabel* fehlerLbl = nullptr;
    QPushButton* okBtn = nullptr;

  private:
    void lade();

    MeisterListe& liste_;
    bool geladen_ = false;
};

} // namespace zafku
