#pragma once

#include "ZafkuIni.h"

#include "dialogs/HilfeDialog.h"

#include <array>

class QCheckBox;
class QGroupBox;
class QPushButton;
class QRadioButton;

namespace zafku {

class HelpViewer;
struct SitzungsDaten;

// The settings dialog. Created once and afterwards only shown modally and hidden; its
// controls mirror the working copy in kontrollen, SitzungsDaten holds the values in force.
class EinstellFrm : public HilfeDialog {
    Q_OBJECT
  public:
    static constexpr long kHilfeThema = 3003;

    EinstellFrm(SitzungsDaten& daten, EinstellKontrollen& kontrollen, HelpViewer* hilfe,
                QWidget* parent = nullptr);

    // Shows the dialog modally; true when it was confirmed with OK and the player list
    // changed (the computer joined or left).
    bool zeige();

    QGroupBox* optFrame1 = nullptr;
    QCheckBox* einstSaveOpt = nullptr;
    QCheckBox* rateZeitEin = nullptr;
    QCheckBox* tonEin = nullptr;
    QGroupBox* optFrame2 = nullptr;
    QCheckBox* gegenComp = nullptr;
    std::array<QRadioButton*, 2> spSt{};
    QPushButton* okBtn = nullptr;
    QPushButton* abbrBtn = nullptr;

  protected:
    // Esc and the close box act as "abbrechen".
    void reject() override;

  private:
    void zeigeKontrollen();
    void ok();

    SitzungsDaten& daten_;
    EinstellKontrollen& kontrollen_;
    bool spielerGeaendert_ = false;
};

} // namespace zafku
