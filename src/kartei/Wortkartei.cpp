#include "Wortkartei.h"

#include "PgKarteiSpeicher.h"
#include "SqliteKarteiSpeicher.h"
#include "glob/HostDateien.h"
#include "platform/Clock.h"
#include "platform/HostTextFile.h"

namespace zafku::kartei {

Lesergebnis leseNeueZeilen(KarteiSpeicher& speicher, const QByteArray& pfad, const QString& datei,
                           QDate heute, const std::function<bool(int)>& bekannt) {
    Lesergebnis ergebnis;
    KindKartei k = speicher.beginne(datei);
    try {
        // Read under the store's lock, so that no other process counts the same lines.
        const auto bytes = readRegularFile(pfad, bericht::kMaxProtokollBytes);
        if (!bytes) {
            speicher.verwirf();
            return ergebnis;
        }
        const NeueZeilen neu = neueZeilen(*bytes, k.stand);
        QList<bericht::Antwort> antworten;
        for (const bericht::ProtokollZeile& z : neu.zeilen) {
            const auto a = bericht::leseZeile(z.text);
            if (!a)
                continue;
            if (!bekannt(a->refNr)) {
                ++ergebnis.unbekannt;
                continue;
            }
            antworten.append(*a);
            ergebnis.richtig += a->ok;
        }
        ergebnis.antworten = int(antworten.size());
        ergebnis.aenderungen = wendeAn(k.karten, antworten, heute);
        if (neu.neueDatei)
            k.lesungen.clear();
        if (!neu.zeilen.isEmpty())
            k.lesungen.append({heute, neu.zeilen.first().nummer, neu.stand.zeilen});
        k.stand = neu.stand;
        speicher.speichere(datei, k);
    } catch (...) {
        speicher.verwirf();
        throw;
    }
    return ergebnis;
}

QMap<QString, Lesergebnis> leseAlleNeuenZeilen(KarteiSpeicher& speicher, const QString& appPfad,
                                               QDate heute,
                                               const std::function<bool(int)>& bekannt) {
    QMap<QString, Lesergebnis> ergebnisse;
    for (const bericht::ProtokollName& n : bericht::protokollNamen(appPfad))
        ergebnisse.insert(n.basis, leseNeueZeilen(speicher, n.pfad, n.basis, heute, bekannt));
    return ergebnisse;
}

QDate heute(const Clock& uhr) {
    return QDate::fromString(uhr.dateText(), QStringLiteral("dd.MM.yyyy"));
}

std::unique_ptr<KarteiSpeicher> oeffneKarteiSpeicher(const QString& appPfad,
                                                     const QString& userPfad) {
    const QString server = klassenServer(appPfad);
    if (!server.isEmpty())
        return std::make_unique<PgKarteiSpeicher>(server);
    return std::make_unique<SqliteKarteiSpeicher>(userPfad + QStringLiteral("/Wortkartei.db"));
}

bool imZeitraum(const QList<Lesung>& lesungen, int zeile, QDate von) {
    if (von.isNull())
        return true;
    for (const Lesung& l : lesungen)
        if (zeile >= l.vonZeile && zeile <= l.bisZeile)
            return l.datum >= von;
    return false;
}

} // namespace zafku::kartei
