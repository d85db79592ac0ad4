#pragma once

#include "SpielErgebnis.h"

#include <QDialog>

namespace zafku {
class Sprachausgabe;
}

namespace zafku::starter {

// After a game: the winner when several played, and per child its right answers, Zafkus
// and points, the words that come back (written correctly) and the words learned. Big and
// friendly, at the game's size; read aloud when the user chose reading aloud.
class ErgebnisFrm : public QDialog {
    Q_OBJECT
  public:
    // Without sprache it stays silent.
    ErgebnisFrm(const QList<ErgebnisZeile>& zeilen, Sprachausgabe* sprache,
                QWidget* parent = nullptr);

  protected:
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;

  private:
    Sprachausgabe* sprache_;
    QStringList texte_;
};

} // namespace zafku::starter
