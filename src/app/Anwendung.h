#pragma once

#include "RdbAufgabenQuelle.h"
#include "dialogs/MldFenster.h"
#include "display/DateiInfoFrm.h"
#include "display/ZafkuBackFrm.h"
#include "help/HilfeBrowser.h"
#include "highscore/MeisterFrm.h"
#include "highscore/MeisterListe.h"
#include "platform/Clock.h"
#include "platform/RandomSource.h"
#include "sound/QtAudioOutput.h"
#include "sound/SoundMod.h"
#include "speech/EspeakSprache.h"
#include "glob/GlobModul.h"
#include "glob/SitzungsDaten.h"
#include "startup/StartModul.h"

namespace zafku {

class MainFrm;

// Everything one run needs, created in one place and handed to the parts that use it.
class Anwendung : public StartUi {
  public:
    Anwendung();

    // Runs the game for the launch block with the host folder appPfad.
    int starte(const QString& block, const QString& appPfad);

    void zeigeMeldung(const QString& text, const QString& knopf1, const QString& knopf2,
                      const QString& titel) override;
    void spielerGelesen(int index, const QString& name) override;
    void zeigeHintergrund() override;
    int zeigeHauptfenster() override;

  protected:
    // Runs the loaded main window; returns the exit code.
    virtual int spiele(MainFrm& hauptfenster);

  private:
    SitzungsDaten daten_;
    SystemClock uhr_;
    SystemRandomSource quelle_;
    UhrZufallsZahlen zufall_{quelle_, uhr_};
    QtAudioOutput audio_;
    SoundMod sound_{daten_, audio_};
    EspeakSprache sprache_;
    HilfeBrowser hilfe_;
    MldFenster mld_;
    DateiInfoFrm info_;
    ZafkuBackFrm hintergrund_;
    // Made once the user folder is known.
    std::unique_ptr<MeisterListe> meisterListe_;
    std::unique_ptr<MeisterFrm> meisterFrm_;
};

} // namespace zafku
