#pragma once

#include <QString>
#include <QTimer>

#include <functional>

namespace zafku {

class Sprachausgabe;

// Decides what the game reads aloud: the task's word, its sentence with the word in
// place, the solution tip. Nothing is read while the computer has the turn.
class Vorleser {
  public:
    // Without an output everything stays silent.
    explicit Vorleser(Sprachausgabe* sprache);

    // True while nothing may be read (the computer's turn).
    std::function<bool()> stumm;
    // Each new task is read as it appears.
    bool automatisch = false;

    // satz holds "@" where the word belongs; aussprache, when given, is how the word is
    // spoken, in espeak-ng's phoneme code within [[ ]].
    void neueAufgabe(const QString& wort, const QString& satz, const QString& aussprache = {});
    // Reads the task after nachMs when each new one is to be read; a reading asked for
    // meanwhile takes its place.
    void liesNeueAufgabe(int nachMs = 0);
    void setzeTipp(const QString& tipp) { tipp_ = tipp; }

    void liesWort();
    void liesSatz();
    // The word, a pause, then the sentence.
    void liesAufgabe();
    void liesTipp();
    void verstumme();

  private:
    void sprich(const QStringList& texte);

    Sprachausgabe* sprache_;
    QString wort_, satz_, tipp_;
    QTimer spaeter_;
};

// The user's "Vorlesen" choice, remembered across runs; off unless chosen.
bool vorlesenGewaehlt();
void merkeVorlesen(bool an);

} // namespace zafku
