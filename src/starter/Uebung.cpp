#include "Uebung.h"

#include "bericht/Lehrmaterial.h"

#include <QSet>

#include <algorithm>
#include <optional>

namespace zafku::starter {

namespace {

constexpr int kKontrastJeWort = 2;

bool istGrossKlein(const QString& code) {
    return code.startsWith(QLatin1String("GK"));
}

int stelle(const LupRegel& regel, int vonPos) {
    return regel.absolut ? regel.nummer : vonPos + regel.nummer;
}

bool steht(const QString& wort, int pos, const QString& schreibung) {
    return !schreibung.isEmpty() &&
           wort.mid(pos - 1, schreibung.size()).compare(schreibung, Qt::CaseInsensitive) == 0;
}

// The word's spelling at a marked spot of exercise k, with the spellings paired with it;
// the longest spelling wins, as a shorter one would cut the gap.
std::optional<UebungsWort> anStelle(const Kategorie& k, const bericht::Wort& w, int refNr,
                                    int vonPos) {
    std::optional<UebungsWort> best;
    for (const bool zweite : {false, true}) {
        const int pos = stelle(zweite ? k.lupRegel2 : k.lupRegel1, vonPos);
        for (const SchreibPaar& p : k.schreibPaare) {
            const QString& eigene = zweite ? p.schreibung2 : p.schreibung1;
            if (!steht(w.wort, pos, eigene) || (best && best->schreibung.size() >= eigene.size()))
                continue;
            UebungsWort u{refNr, w.wort, k.kmpKennung, pos, eigene, {}};
            for (const SchreibPaar& q : k.schreibPaare) {
                const QString& partner = zweite ? q.schreibung1 : q.schreibung2;
                if ((zweite ? q.schreibung2 : q.schreibung1) == eigene && !partner.isEmpty() &&
                    !u.andere.contains(partner))
                    u.andere.append(partner);
            }
            best = u;
        }
    }
    return best;
}

const Kategorie* uebungFuer(const bericht::Lehrmaterial& m, const QString& code) {
    for (const Kategorie& k : m.uebungen())
        if (k.kmpKennung == code)
            return &k;
    return nullptr;
}

} // namespace

QList<SchreibPaar> Uebung::paare() const {
    QList<SchreibPaar> paare;
    const auto neu = [&](const SchreibPaar& p) {
        if (!paare.contains(p))
            paare.append(p);
    };
    for (const UebungsWort& u : woerter)
        for (const QString& a : u.andere)
            neu({u.schreibung, a});
    // A contrast word is asked in list 2, with its whole choice set in pairs ending in it.
    for (const UebungsWort& u : kontrast)
        for (const QString& a : u.andere)
            neu({a, u.schreibung});
    // The game takes the first pair that fits a spot: longer spellings must come first.
    std::stable_sort(paare.begin(), paare.end(), [](const SchreibPaar& a, const SchreibPaar& b) {
        return std::pair(a.schreibung1.size(), a.schreibung2.size()) >
               std::pair(b.schreibung1.size(), b.schreibung2.size());
    });
    return paare;
}

QString Uebung::kmpZeile() const {
    const auto nummern = [](const QList<UebungsWort>& liste) {
        QStringList n;
        for (const UebungsWort& u : liste)
            n.append(QString::number(u.refNr));
        return QStringLiteral("RefNr IN (%1)").arg(n.join(u','));
    };
    QStringList paarTexte;
    for (const SchreibPaar& p : paare())
        paarTexte.append(p.schreibung1 + u':' + p.schreibung2);
    const QStringList felder = {kennung,
                                nummern(woerter),
                                kennung,
                                nummern(kontrast),
                                QStringLiteral("0:0"),
                                paarTexte.join(u','),
                                QStringLiteral("Das sind deine Übungswörter. Schau genau hin, "
                                               "wo du dich vertan hast!")};
    QStringList zitiert;
    for (const QString& f : felder)
        zitiert.append(u'"' + f + u'"');
    return zitiert.join(u',');
}

Uebung planeUebung(bericht::Lehrmaterial& material, const QList<int>& faellig) {
    Uebung uebung;
    QSet<int> vergeben(faellig.begin(), faellig.end());
    for (const int refNr : faellig) {
        const bericht::Wort* w = material.wort(refNr);
        std::optional<UebungsWort> wahl;
        for (const bericht::Marke& m : w ? w->marken : QList<bericht::Marke>{}) {
            const QString code = bericht::Lehrmaterial::code(m.vesk);
            const Kategorie* k = uebungFuer(material, code);
            if (!k || istGrossKlein(code))
                continue;
            const auto u = anStelle(*k, *w, refNr, m.vonPos);
            if (u && (!wahl || material.markenAnzahl(code) < material.markenAnzahl(wahl->code)))
                wahl = u;
        }
        if (!wahl) {
            uebung.ohneStelle.append(refNr);
            continue;
        }
        uebung.woerter.append(*wahl);
        // Contrast words: marked for the exercise's lists, spelled with one of the others.
        const Kategorie& k = *uebungFuer(material, wahl->code);
        QStringList satz = wahl->andere;
        satz.prepend(wahl->schreibung);
        int gefunden = 0;
        const QStringList codes = QStringList(k.kategorienListe) << k.kmpKennung;
        for (const QString& code : codes) {
            for (const int kandidat : material.woerterMitMarke(code)) {
                if (gefunden == kKontrastJeWort || vergeben.contains(kandidat))
                    continue;
                const bericht::Wort* kw = material.wort(kandidat);
                for (const bericht::Marke& m : kw->marken) {
                    auto u = bericht::Lehrmaterial::code(m.vesk) == code
                                 ? anStelle(k, *kw, kandidat, m.vonPos)
                                 : std::nullopt;
                    if (!u || !wahl->andere.contains(u->schreibung))
                        continue;
                    u->andere = satz;
                    u->andere.removeAll(u->schreibung);
                    uebung.kontrast.append(*u);
                    vergeben.insert(kandidat);
                    ++gefunden;
                    break;
                }
            }
        }
    }
    if (!uebung.woerter.isEmpty())
        uebung.kennung = uebung.woerter.first().code;
    return uebung;
}

} // namespace zafku::starter
