// Zafku: started by the host framework with its launch block on the command line.

#include "RdbAufgabenQuelle.h"
#include "dialogs/MldFenster.h"
#include "display/DateiInfoFrm.h"
#include "display/MainFrm.h"
#include "display/ZafkuBackFrm.h"
#include "help/HilfeBrowser.h"
#include "platform/Clock.h"
#include "platform/RandomSource.h"
#include "sound/QtAudioOutput.h"
#include "sound/SoundMod.h"
#include "startup/GlobModul.h"
#include "startup/SitzungsDaten.h"
#include "startup/StartModul.h"

#include <QApplication>
#include <QDateTime>

namespace {

using namespace zafku;

// Everything one run needs, created in one place and handed to the parts that use it.
class Anwendung : public StartUi {
public:
    void zeigeMeldung(const QString& text, const QString& knopf1, const QString& knopf2,
                      const QString& titel) override {
        mld.zeigeMeldung(text, knopf1, knopf2, titel);
    }
    void spielerGelesen(int index, const QString& name) override { info.spielerGelesen(index, name); }
    void zeigeHintergrund() override { hintergrund.show(); }
    int zeigeHauptfenster() override {
        RdbAufgabenQuelle quelle(zufall);
        MainFrm hauptfenster({daten, quelle, sound, zufall, uhr, hilfe, mld, info}, &hintergrund);
        hauptfenster.lade();
        return hauptfenster.exec();
    }

    SitzungsDaten daten;
    SystemClock uhr;
    SystemRandomSource quelle{static_cast<std::uint64_t>(QDateTime::currentMSecsSinceEpoch())};
    UhrZufallsZahlen zufall{quelle, uhr};
    QtAudioOutput audio;
    SoundMod sound{daten, audio};
    HilfeBrowser hilfe;
    MldFenster mld;
    DateiInfoFrm info;
    ZafkuBackFrm hintergrund;
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zafku"));
    // The host passes the launch block as one argument; a shell may split it at blanks.
    const QString block = app.arguments().mid(1).join(u' ');
    Anwendung anwendung;
    return zafku::Main(block, QCoreApplication::applicationDirPath(), anwendung.daten,
                       anwendung.sound, anwendung);
}
