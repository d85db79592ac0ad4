#pragma once

#include "glob/StartParameter.h"

#include <QString>

namespace zafku {

struct SitzungsDaten;
class SoundMod;

// What start-up needs of the windows.
class StartUi : public SpielerAnzeige {
  public:
    virtual void zeigeMeldung(const QString& text, const QString& knopf1, const QString& knopf2,
                              const QString& titel) = 0;
    virtual void zeigeHintergrund() = 0;
    // Shows the main window modally; returns the program's exit code.
    virtual int zeigeHauptfenster() = 0;
};

// The program's entry: checks the launch block, reads the host's files and hands over
// to the main window. Returns the exit code; non-zero after any failure message.
int Main(const QString& kommandozeile, const QString& programmOrdner, SitzungsDaten& daten,
         SoundMod& sound, StartUi& ui);

} // namespace zafku
