#pragma once

#include "SpielErgebnis.h"

#include <QDialog>

namespace zafku::starter {

// After a game: per child its right answers, the words that come back (written
// correctly) and the words learned; the winner when several played. Big and friendly,
// at the game's size.
class ErgebnisFrm : public QDialog {
    Q_OBJECT
  public:
    ErgebnisFrm(const QList<KindErgebnis>& ergebnisse, QWidget* parent = nullptr);
};

} // namespace zafku::starter
