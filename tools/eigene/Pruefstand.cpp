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
            an = std::any_of(gespeichert->marken.begin(), gespeichert->marken.end(),
                             [&](const auto& m) { return m.code == v.code && m.vonPos == v.vonPos; });
        gewaehlt.append(an);
    }
    return liste;
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
