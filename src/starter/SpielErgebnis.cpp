#include "SpielErgebnis.h"

#include "bericht/Lehrmaterial.h"
#include "kartei/Wortkartei.h"
#include "platform/HostPath.h"

#include <QFile>

namespace zafku::starter {

QList<KindErgebnis> leseSpieler(kartei::KarteiSpeicher& speicher, bericht::Lehrmaterial& material,
                                const QString& appPfad, const QList<Spieler>& spieler,
                                QDate heute) {
    const auto woerter = [&](const QList<int>& nummern) {
        QStringList w;
        for (const int n : nummern)
            if (const bericht::Wort* wort = material.wort(n))
                w.append(wort->wort);
        return w;
    };
    QList<KindErgebnis> ergebnisse;
    for (const Spieler& s : spieler) {
        const QString pfad = resolveHostPath(appPfad, QStringLiteral("User/%1.tmp").arg(s.datei));
        const kartei::Lesergebnis r =
            kartei::leseNeueZeilen(speicher, QFile::encodeName(pfad), s.datei, heute,
                                   [&](int refNr) { return material.wort(refNr) != nullptr; });
        ergebnisse.append({s.name, s.datei, r.richtig, r.antworten - r.richtig,
                           woerter(r.aenderungen.zurueck), woerter(r.aenderungen.gelernt)});
    }
    return ergebnisse;
}

void uebernimm(QList<KindErgebnis>& ergebnisse, const SpielBilanz& bilanz) {
    for (KindErgebnis& e : ergebnisse)
        for (const SpielBilanz::Platz& p : bilanz.plaetze)
            if (p.datei == e.datei) {
                e.zafkus = p.zafkus;
                e.punkte = p.punkte;
            }
}

namespace {

QString anzahl(int n, const QString& eins, const QString& mehrere) {
    return n == 1 ? QStringLiteral("1 ") + eins : QStringLiteral("%1 %2").arg(n).arg(mehrere);
}

} // namespace

QList<ErgebnisZeile> ergebnisZeilen(const QList<KindErgebnis>& ergebnisse,
                                    const QString& gewinner) {
    QList<ErgebnisZeile> z;
    if (!gewinner.isEmpty())
        z.append({ErgebnisZeile::Gewinner, QStringLiteral("%1 hat gewonnen!").arg(gewinner)});
    for (const KindErgebnis& e : ergebnisse) {
        z.append({ErgebnisZeile::Name, e.name});
        z.append({ErgebnisZeile::Richtig,
                  anzahl(e.richtig, QStringLiteral("Wort"), QStringLiteral("Wörter")) +
                      QStringLiteral(" richtig geschrieben")});
        const QString punkte = anzahl(e.punkte, QStringLiteral("Punkt"), QStringLiteral("Punkte"));
        if (e.zafkus == 0)
            z.append({ErgebnisZeile::Zafkus, QStringLiteral("Kein Zafku, %1").arg(punkte)});
        else if (e.zafkus > 0)
            z.append({ErgebnisZeile::Zafkus,
                      anzahl(e.zafkus, QStringLiteral("Zafku"), QStringLiteral("Zafkus")) +
                          QStringLiteral(" und ") + punkte});
        if (!e.zurueck.isEmpty())
            z.append({ErgebnisZeile::Zurueck,
                      QStringLiteral("Diese Wörter üben wir morgen noch einmal: %1")
                          .arg(e.zurueck.join(QStringLiteral(", ")))});
        if (!e.gelernt.isEmpty())
            z.append({ErgebnisZeile::Gelernt, QStringLiteral("Super, das kannst du jetzt: %1")
                                                  .arg(e.gelernt.join(QStringLiteral(", ")))});
    }
    return z;
}

QList<int> faelligeWoerter(const kartei::KindKartei& kartei, QDate heute) {
    QList<int> faellig;
    for (const kartei::Karte& k : kartei.karten)
        if (k.fach != kartei::kGelernt && k.faellig <= heute)
            faellig.append(k.refNr);
    return faellig;
}

} // namespace zafku::starter
