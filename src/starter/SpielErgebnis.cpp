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
        ergebnisse.append({s.name, r.richtig, r.antworten - r.richtig,
                           woerter(r.aenderungen.zurueck), woerter(r.aenderungen.gelernt)});
    }
    return ergebnisse;
}

QString gewinner(const QList<KindErgebnis>& ergebnisse) {
    if (ergebnisse.size() < 2)
        return {};
    const KindErgebnis* best = nullptr;
    bool gleich = false;
    for (const KindErgebnis& e : ergebnisse) {
        if (!best || e.richtig > best->richtig) {
            best = &e;
            gleich = false;
        } else if (e.richtig == best->richtig) {
            gleich = true;
        }
    }
    return gleich ? QString() : best->name;
}

QList<int> faelligeWoerter(const kartei::KindKartei& kartei, QDate heute) {
    QList<int> faellig;
    for (const kartei::Karte& k : kartei.karten)
        if (k.fach != kartei::kGelernt && k.faellig <= heute)
            faellig.append(k.refNr);
    return faellig;
}

} // namespace zafku::starter
