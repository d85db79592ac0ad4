#include "StartModul.h"

#include "glob/HostDateien.h"
#include "glob/SitzungsDaten.h"
#include "help/HtmlHelpMod.h"
#include "platform/LaufzeitFehler.h"
#include "sound/SoundMod.h"

#include <QStringList>

namespace zafku {

namespace {

constexpr QChar kZeilenEnde = u'\r';

int brichAb(SitzungsDaten& daten, StartUi& ui, const QStringList& zeilen) {
    daten.meldungsText = zeilen.join(kZeilenEnde);
    ui.zeigeMeldung(daten.meldungsText, QStringLiteral("&OK"), QString(),
                    QStringLiteral("Laufzeitfehler"));
    return 1;
}

} // namespace

int Main(const QString& kommandozeile, const QString& programmOrdner, SitzungsDaten& daten,
         SoundMod& sound, StartUi& ui) {
    if (kommandozeile.isEmpty() || kommandozeile.mid(1, 7) != QLatin1String("Version"))
        return brichAb(daten, ui,
                       {QStringLiteral("Dieses Programm kann nur aus der"),
                        QStringLiteral("Spieleliste der Demoversion des"),
                        QStringLiteral("VOKRA-Rahmenprogramms gestartet"),
                        QStringLiteral("werden!")});
    if (!leseStartParameter(kommandozeile, daten, &ui))
        return brichAb(daten, ui,
                       {QStringLiteral("Diese Version von Zafku ist nicht"),
                        QStringLiteral("kompatibel mit der installierten"),
                        QStringLiteral("Version von VOKRA.")});
    daten.appPfad = programmOrdner;
    daten.userPfad = programmOrdner + QStringLiteral("/User");
    daten.hilfeDatei = programmOrdner + QStringLiteral("/Zafku.chm");
    ui.zeigeHintergrund();
    try {
        leseMaxSpielDauer(daten);
        sound.ladeSoundTabelle();
        leseKategorieText(daten);
        initHilfe(daten);
        return ui.zeigeHauptfenster();
    } catch (const LaufzeitFehler& fehler) {
        daten.meldungsText = fehler.text();
        ui.zeigeMeldung(daten.meldungsText, QStringLiteral("&OK"), QString(),
                        QStringLiteral("Laufzeitfehler"));
        return 1;
    }
}

} // namespace zafku
