#include "HostDateien.h"

#include "GlobModul.h"
#include "SitzungsDaten.h"
#include "platform/FieldReader.h"
#include "platform/HostPath.h"
#include "platform/HostTextFile.h"
#include "platform/LaufzeitFehler.h"

#include <cmath>

namespace zafku {

QString leseHostDatei(const QString& appPfad, const QString& name) {
    const QString pfad = resolveHostPath(appPfad, name);
    HostTextError grund = HostTextError::None;
    const auto text = readHostText(pfad, &grund);
    if (text)
        return *text;
    switch (grund) {
    case HostTextError::NotAFile:
        throw LaufzeitFehler(QStringLiteral("Die Datei %1 kann nicht gelesen werden: %2 ist "
                                            "keine gewöhnliche Textdatei.")
                                 .arg(name, pfad));
    case HostTextError::TooLarge:
        throw LaufzeitFehler(QStringLiteral("Die Datei %1 ist zu groß (mehr als %2 KB). "
                                            "Sie ist wohl beschädigt:\r%3")
                                 .arg(name)
                                 .arg(kMaxHostTextBytes / 1024)
                                 .arg(pfad));
    default:
        throw LaufzeitFehler(QStringLiteral("Die Datei %1 kann nicht gelesen werden.\r"
                                            "Bitte prüfe, ob sie im Ordner\r%2\rvorhanden ist.")
                                 .arg(name, appPfad));
    }
}

void leseMaxSpielDauer(SitzungsDaten& daten) {
    FieldReader leser(leseHostDatei(daten.appPfad, QStringLiteral("Vokra.ini")));
    if (!leser.skipPast(QStringLiteral("[Spiele]")))
        return;
    const QString schluessel = QStringLiteral("MaximaleSpielDauer=");
    while (!leser.atEnd()) {
        const QString feld = leser.next();
        if (feld.startsWith(u';') || !feld.startsWith(schluessel))
            continue;
        const int minuten = std::max(5, zahlWert(trimBlanks(feld.mid(schluessel.size()))));
        const int faktor = static_cast<int>(std::floor((15.0 / minuten) * 5.0));
        daten.spielZeitFaktor = std::max(1, faktor);
        return;
    }
}

void leseKategorieText(SitzungsDaten& daten) {
    daten.katNr = 0;
    FieldReader leser(leseHostDatei(daten.appPfad, QStringLiteral("Vokra.tsp")));
    while (!leser.atEnd()) {
        const QString text = leser.next();
        const QString code = leser.next();
        if (!text.startsWith(QLatin1String(">>>")))
            ++daten.katNr;
        if (code == daten.feldName) {
            daten.katTitel = text;
            return;
        }
    }
}

QString klassenServer(const QString& appPfad) {
    QString server;
    try {
        FieldReader leser(leseHostDatei(appPfad, QStringLiteral("Vokra.ini")));
        if (leser.skipPast(QStringLiteral("[Meisterliste]")))
            while (!leser.atEnd()) {
                const QString feld = leser.next();
                if (feld.startsWith(u'['))
                    break;
                if (feld.startsWith(QStringLiteral("Server="), Qt::CaseInsensitive))
                    server = feld.mid(7).trimmed();
            }
    } catch (const LaufzeitFehler&) {
    }
    return server;
}

} // namespace zafku
