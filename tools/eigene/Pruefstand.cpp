#include "Pruefstand.h"

#include "Neubau.h"

namespace zafku::eigene {

std::unique_ptr<Pruefstand> Pruefstand::lade(const QString& hostDir, const QString& wortliste,
                                             QString& fehler) {
    QList<Block> bloecke = ladeBloecke(hostDir, fehler);
    if (bloecke.isEmpty()) {
        if (fehler.isEmpty())
            fehler = QStringLiteral("Vokra.kmp enthält keine Übungen.");
        return nullptr;
    }
    auto wortschatz = wortcheck::Wortschatz::lade(wortliste);
    if (!wortschatz) {
        fehler = QStringLiteral("Das Wörterbuch %1 fehlt (Paket wngerman).").arg(wortliste);
        return nullptr;
    }
    auto p = std::make_unique<Pruefstand>();
    p->vorschlaege = std::make_unique<Vorschlaege>(std::move(bloecke));
    p->wortschatz = std::move(*wortschatz);
    p->artikel = gelieferteArtikel(hostDir);
    return p;
}

QList<Vorschlag> Pruefstand::vorschlagen(const Eingabe& e, const EigeneListe& bisher,
                                         QList<bool>& gewaehlt) const {
    QList<Vorschlag> liste = vorschlaege->fuer(e.wort, e.kontext);
    gewaehlt.clear();
    const auto gespeichert = std::find_if(bisher.woerter.begin(), bisher.woerter.end(),
                                          [&](const EigenesWort& w) { return w.wort == e.wort; });
    for (const Vorschlag& v : liste) {
        bool an = v.sicher;
        if (gespeichert != bisher.woerter.end())
            an = std::any_of(
                gespeichert->marken.begin(), gespeichert->marken.end(),
                [&](const auto& m) { return m.code == v.code && m.vonPos == v.vonPos; });
        gewaehlt.append(an);
    }
    return liste;
}

QList<PruefWort> Pruefstand::pruefWoerter(const EigeneListe& liste, QList<Befund>& befunde) const {
    QList<PruefWort> woerter;
    for (const EigenesWort& w : liste.woerter) {
        if (w.entfernt)
            continue;
        PruefWort p{{w.wort, w.kontext, w.satz, w.zeile}, {}};
        const QList<Vorschlag> moeglich = vorschlaege->fuer(w.wort, w.kontext);
        for (const material::Marke& m : w.marken) {
            const auto v = std::find_if(moeglich.begin(), moeglich.end(), [&](const Vorschlag& v) {
                return v.code == m.code && v.vonPos == m.vonPos;
            });
            if (v != moeglich.end())
                p.stellen.append(*v);
            else
                befunde.append({w.zeile, w.wort,
                                QStringLiteral("Die Stelle %1:%2 gibt es in '%3' nicht.")
                                    .arg(m.code)
                                    .arg(m.vonPos)
                                    .arg(w.wort)});
        }
        woerter.append(p);
    }
    return woerter;
}

EigenesWort alsEigenesWort(const PruefWort& w) {
    EigenesWort e;
    e.wort = w.eingabe.wort;
    e.kontext = w.eingabe.kontext;
    e.satz = w.eingabe.satz;
    for (const Vorschlag& v : w.stellen)
        e.marken.append({v.code, v.vonPos});
    return e;
}

} // namespace zafku::eigene
