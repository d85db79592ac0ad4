#include "Deutung.h"

#include "rdb/LupenPruefung.h"

#include <algorithm>

namespace zafku::bericht {

namespace {

bool gleichOhneGross(const QString& a, const QString& b) {
    return grossBuchstaben(a) == grossBuchstaben(b);
}

// Whether the exercise offers the two spellings as a pair; a capital-letter exercise
// pairs B with b, which no other exercise does.
bool paarVerbindet(const Kategorie& uebung, const QString& richtig, const QString& geschrieben) {
    return std::any_of(uebung.schreibPaare.begin(), uebung.schreibPaare.end(),
                       [&](const SchreibPaar& p) {
                           return (gleichOhneGross(p.schreibung1, richtig) &&
                                   gleichOhneGross(p.schreibung2, geschrieben)) ||
                                  (gleichOhneGross(p.schreibung2, richtig) &&
                                   gleichOhneGross(p.schreibung1, geschrieben));
                       });
}

} // namespace

QList<Deutung> deutungen(const QList<Kategorie>& uebungen, const Wort& wort,
                         const std::optional<QString>& geschrieben) {
    QList<Deutung> liste;
    const QString& w = wort.wort;
    for (int u = 0; u < uebungen.size(); ++u) {
        const Kategorie& uebung = uebungen[u];
        for (const bool liste2 : {false, true}) {
            for (const Marke& m : wort.marken) {
                const auto fund = pruefeLupenStelle(uebung, liste2, m.vesk, m.vonPos, w);
                if (!fund)
                    continue;
                const SchreibPaar& paar = uebung.schreibPaare[fund->paarNr];
                const int laenge = int((liste2 ? paar.schreibung2 : paar.schreibung1).size());
                Deutung d{u,
                          Lehrmaterial::code(m.vesk),
                          fund->vonPos,
                          w.mid(fund->vonPos - 1, laenge),
                          {},
                          0};
                if (geschrieben) {
                    const QString vorn = w.left(d.vonPos - 1);
                    const QString hinten = w.mid(d.vonPos - 1 + laenge);
                    const QString& g = *geschrieben;
                    if (g.size() < vorn.size() + hinten.size() || !g.startsWith(vorn) ||
                        !g.endsWith(hinten))
                        continue;
                    d.geschrieben = g.mid(vorn.size(), g.size() - vorn.size() - hinten.size());
                    if (d.geschrieben == d.richtig)
                        continue;
                    d.guete = paarVerbindet(uebung, d.richtig, d.geschrieben) ? 2 : 1;
                }
                liste.append(d);
                break;
            }
        }
    }
    std::stable_sort(liste.begin(), liste.end(),
                     [](const Deutung& a, const Deutung& b) { return a.guete > b.guete; });
    return liste;
}

Deutung unterschied(const QString& richtig, const QString& geschrieben) {
    const qsizetype kuerzer = std::min(richtig.size(), geschrieben.size());
    qsizetype vorn = 0;
    while (vorn < kuerzer && richtig[vorn] == geschrieben[vorn])
        ++vorn;
    qsizetype hinten = 0;
    while (hinten < kuerzer - vorn &&
           richtig[richtig.size() - 1 - hinten] == geschrieben[geschrieben.size() - 1 - hinten])
        ++hinten;
    Deutung d;
    d.vonPos = int(vorn) + 1;
    d.richtig = richtig.mid(vorn, richtig.size() - vorn - hinten);
    d.geschrieben = geschrieben.mid(vorn, geschrieben.size() - vorn - hinten);
    return d;
}

QString verwechslungsText(const QString& richtig, const QString& geschrieben) {
    const auto zeige = [](const QString& s) { return s.isEmpty() ? QStringLiteral("–") : s; };
    return zeige(richtig) + QStringLiteral(" → ") + zeige(geschrieben);
}

} // namespace zafku::bericht
