#pragma once

#include "startup/StartParameter.h"

#include <QDialog>

#include <array>

class QLabel;

namespace zafku {

struct SitzungsDaten;

// The game state: the players with their points and the number of tasks of the
// category. The names are filled while the launch block is read.
class DateiInfoFrm : public QDialog, public SpielerAnzeige {
    Q_OBJECT
  public:
    explicit DateiInfoFrm(QWidget* parent = nullptr);

    void spielerGelesen(int index, const QString& name) override;
    void setzeAnzahlAufgaben(int anzahl);
    // One row per player, named as in daten; the rows beyond are hidden.
    void zeigeSpieler(const SitzungsDaten& daten);
    // Copies the current points into the labels.
    void fuellePunkte(const SitzungsDaten& daten);

    std::array<QLabel*, 4> spName{};
    std::array<QLabel*, 4> spPunkte{};
    QLabel* datInfLbl = nullptr;
};

} // namespace zafku
