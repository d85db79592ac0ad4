#include "ZafkuIni.h"

#include "platform/FieldReader.h"
#include "startup/GlobModul.h"
#include "startup/HostDateien.h"
#include "startup/SitzungsDaten.h"

namespace zafku {

void loadVokraIni(SitzungsDaten& daten) {
    FieldReader leser(leseHostDatei(daten.appPfad, QStringLiteral("Vokra.ini")));
    if (!leser.skipPast(QStringLiteral("[Zafku]")))
        return;
    int* const felder[] = {&daten.gegenComputer, &daten.compSpielStaerke, &daten.tonEin,
                           &daten.rateZeitBegrenzen, &daten.einstSpeichern};
    while (!leser.atEnd()) {
        const QString feld = leser.next();
        if (feld.startsWith(u'['))
            return;
        if (feld.startsWith(u';'))
            continue;
        for (int i = 0; i < daten.einstAnzahl && i < 5; ++i) {
            const QString schluessel = daten.einstSchluessel[i] + u'=';
            if (!feld.startsWith(schluessel))
                continue;
            *felder[i] = zahlWert(feld.mid(schluessel.size()).trimmed());
            if (i == 0 && daten.nSpieler >= 4)
                daten.gegenComputer = 0;
            break;
        }
    }
}

} // namespace zafku
