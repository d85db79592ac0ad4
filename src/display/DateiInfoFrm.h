#pragma once

#include "glob/StartParameter.h"

#include "dialogs/HilfeDialog.h"

#include <array>

class QLabel;

namespace zafku {

class HelpViewer;
struct SitzungsDaten;

// The game state: the size of the word material and every player's points. The names
// are filled while the launch block is read; the dialog lives for the whole run.
class DateiInfoFrm : public HilfeDialog, public SpielerAnzeige {
    Q_OBJECT
  public:
    static constexpr long kHilfeThema = 3004;

    explicit DateiInfoFrm(QWidget* parent = nullptr);

    void spielerGelesen(int index, const QString& name) override;
    void setzeAnzahlAufgaben(int anzahl);
    // One row per player, named as in daten; the rows beyond are hidden.
    void zeigeSpieler(const SitzungsDaten& daten);
    // Copies the current points into the labels.
    void fuellePunkte(const SitzungsDaten& daten);

    std::array<QLabel*, 4> spName{};
    std::array<QLabel*, 4> spPunkte{};
    // 0: number of words, 1: basic vocabulary.
    std::array<QLabel*, 2> datInfLbl{};
};

} // namespace zafku
