#include "ProgrammEnde.h"

#include "PrtDatei.h"
#include "Warte.h"
#include "glob/SitzungsDaten.h"
#include "glob/SpielBilanz.h"
#include "platform/HelpViewer.h"
#include "sound/SoundMod.h"

#include <cstdio>
#include <cstdlib>

namespace zafku {

ProgrammEnde::ProgrammEnde(SitzungsDaten& daten, SoundMod& sound, const Clock& uhr,
                           HelpViewer& hilfe, PrtDatei& prt)
    : daten_(daten), sound_(sound), uhr_(uhr), hilfe_(hilfe), prt_(prt) {}

void ProgrammEnde::operator()() {
    if (laeuft_)
        return;
    laeuft_ = true;
    sound_.spieleSound(QStringLiteral("ProgrammEnde"));
    warte(2, uhr_, schlafe);
    sound_.schliessen();
    hilfe_.closeAll(daten_.appPfad + QStringLiteral("/Vesk.chm"));
    hilfe_.closeAll(daten_.hilfeDatei);
    if (updateMeister)
        updateMeister();
    if (saveVokraIni)
        saveVokraIni();
    // For the start window's results; a game started by the host leaves it unread.
    schreibeBilanz(daten_);
    prt_.schliessen();
    beende();
}

void ProgrammEnde::beendeProzess() {
    // No destructors and no event loop any more: nothing may show a window now.
    std::fflush(nullptr);
    std::_Exit(0);
}

} // namespace zafku
