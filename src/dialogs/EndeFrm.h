#pragma once

#include "AntwortDialog.h"

class QLabel;

namespace zafku {

class HelpViewer;
struct SitzungsDaten;

// Asks whether the game should really end; the answer is "ja" or "nein".
class EndeFrm : public AntwortDialog {
    Q_OBJECT
  public:
    static constexpr long kHilfeThema = 3009;

    // F1 opens the help topic of this dialog in hilfeDatei when a viewer is given.
    explicit EndeFrm(HelpViewer* hilfe = nullptr, QString hilfeDatei = {},
                     QWidget* parent = nullptr);

    void setzeMeldung(const QString& text);

  private:
    QLabel* meldung_;
};

// Puts the singular or plural question into meldungsText and the dialog and shows it
// modally; the caller reads frage.antwort(). The computer is not asked.
void frageBeenden(SitzungsDaten& daten, EndeFrm& frage);

} // namespace zafku
