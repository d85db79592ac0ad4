// Launch block through the whole start-up, with the windows faked: a block is either
// refused with one "Laufzeitfehler" message or leads to the main window with at most
// four players whose protocol files all lie directly in User/.
#include "FuzzHilfe.h"

#include "glob/SitzungsDaten.h"
#include "sound/SoundMod.h"
#include "startup/StartModul.h"
#include "support/StummeAusgabe.h"

#include <QFileInfo>

using namespace zafku;

namespace {

class FalscheFenster : public StartUi {
  public:
    int meldungen = 0;
    QString titel;
    bool hintergrund = false;
    int hauptfenster = 0;
    int gelesen = 0;
    void zeigeMeldung(const QString&, const QString&, const QString&, const QString& t) override {
        ++meldungen;
        titel = t;
    }
    void zeigeHintergrund() override { hintergrund = true; }
    int zeigeHauptfenster() override {
        ++hauptfenster;
        return 0;
    }
    void spielerGelesen(int, const QString&) override { ++gelesen; }
};

bool liegtInUser(const SitzungsDaten& daten, const QString& datei) {
    const QFileInfo ziel(QDir::cleanPath(daten.userPfad + u'/' + datei));
    return !datei.isEmpty() && !datei.startsWith(u'.') &&
           ziel.absolutePath() == QDir::cleanPath(daten.userPfad);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const FuzzHost host;
    static const bool bereit = [] {
        host.copyFromSource(QStringLiteral("Vokra.ini"));
        host.copyFromSource(QStringLiteral("Vokra.tsp"));
        return true;
    }();
    (void)bereit;
    const QString block = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    SitzungsDaten daten;
    StummeAusgabe ausgabe;
    SoundMod sound(daten, ausgabe);
    FalscheFenster ui;
    const int code = Main(block, host.path(), daten, sound, ui);

    if (ui.hauptfenster == 0) {
        PRUEFE(code != 0 && ui.meldungen == 1, "a refused block gives one message and fails");
        PRUEFE(ui.titel == QLatin1String("Laufzeitfehler"), "refusal caption");
        return 0;
    }
    PRUEFE(code == 0 && ui.meldungen == 0 && ui.hintergrund, "accepted block starts the game");
    PRUEFE(daten.nSpieler >= 0 && daten.nSpieler <= 4, "player count");
    PRUEFE(ui.gelesen == daten.nSpieler, "every player shown once");
    PRUEFE(daten.spielZeitFaktor >= 1 && daten.spielZeitFaktor <= 15, "play-time factor");
    for (int i = 0; i < daten.nSpieler; ++i)
        PRUEFE(liegtInUser(daten, daten.spielerDatei[i]), "protocol file outside User/");
    return 0;
}
