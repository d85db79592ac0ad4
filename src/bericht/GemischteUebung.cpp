#include "GemischteUebung.h"

#include "Lehrmaterial.h"
#include "platform/SqliteDatabase.h"
#include "rdb/AuswahlListe.h"
#include "rdb/KategorienTabelle.h"
#include "rdb/LupenPruefung.h"

#include <QHash>

#include <algorithm>

namespace zafku::bericht {

namespace {

bool istGrossKlein(const QString& code) {
    return code.startsWith(QLatin1String("GK"));
}

bool steht(const QString& wort, int pos, const QString& schreibung) {
    return !schreibung.isEmpty() &&
           wort.mid(pos - 1, schreibung.size()).compare(schreibung, Qt::CaseInsensitive) == 0;
}

// The word's spelling at a marked spot of exercise k, with the spellings paired with it;
// the longest spelling wins, as a shorter one would cut the gap.
std::optional<UebungsWort> anStelle(const Kategorie& k, const Wort& w, int refNr, int vonPos) {
    std::optional<UebungsWort> best;
    for (const bool zweite : {false, true}) {
        const int pos = lupenStart(zweite ? k.lupRegel2 : k.lupRegel1, vonPos);
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

const Kategorie* uebungFuer(const Lehrmaterial& m, const QString& code) {
    for (const Kategorie& k : m.uebungen())
        if (k.kmpKennung == code)
            return &k;
    return nullptr;
}

QString nummern(const QList<UebungsWort>& liste) {
    QStringList n;
    for (const UebungsWort& u : liste)
        n.append(QString::number(u.refNr));
    return QStringLiteral("RefNr IN (%1)").arg(n.join(u','));
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

Kategorie Uebung::block() const {
    Kategorie k;
    k.kmpKennung = kennung;
    k.kmpKriterium1 = nummern(woerter);
    k.kategorienListe = {kennung};
    k.kmpKriterium2 = nummern(kontrast);
    k.schreibPaare = paare();
    return k;
}

QString Uebung::kmpZeile(const QString& tipp) const {
    const Kategorie k = block();
    QStringList paarTexte;
    for (const SchreibPaar& p : k.schreibPaare)
        paarTexte.append(p.schreibung1 + u':' + p.schreibung2);
    const QStringList felder = {kennung,
                                k.kmpKriterium1,
                                kennung,
                                k.kmpKriterium2,
                                QStringLiteral("0:0"),
                                paarTexte.join(u','),
                                tipp};
    QStringList zitiert;
    for (const QString& f : felder)
        zitiert.append(u'"' + f + u'"');
    return zitiert.join(u',');
}

std::optional<UebungsWort> waehleStelle(Lehrmaterial& material, int refNr) {
    const Wort* w = material.wort(refNr);
    std::optional<UebungsWort> wahl;
    for (const Marke& m : w ? w->marken : QList<Marke>{}) {
        const QString code = Lehrmaterial::code(m.vesk);
        const Kategorie* k = uebungFuer(material, code);
        if (!k || istGrossKlein(code))
            continue;
        const auto u = anStelle(*k, *w, refNr, m.vonPos);
        if (u && (!wahl || material.markenAnzahl(code) < material.markenAnzahl(wahl->code)))
            wahl = u;
    }
    return wahl;
}

QList<UebungsWort> sucheKontrast(Lehrmaterial& material, const UebungsWort& wahl, int anzahl,
                                 QSet<int>& vergeben) {
    QList<UebungsWort> gefunden;
    const Kategorie* k = uebungFuer(material, wahl.code);
    if (!k)
        return gefunden;
    QStringList satz = wahl.andere;
    satz.prepend(wahl.schreibung);
    const QStringList codes = QStringList(k->kategorienListe) << k->kmpKennung;
    for (const QString& code : codes) {
        for (const int kandidat : material.woerterMitMarke(code)) {
            if (gefunden.size() == anzahl || vergeben.contains(kandidat))
                continue;
            const Wort* kw = material.wort(kandidat);
            for (const Marke& m : kw->marken) {
                auto u = Lehrmaterial::code(m.vesk) == code ? anStelle(*k, *kw, kandidat, m.vonPos)
                                                            : std::nullopt;
                if (!u || !wahl.andere.contains(u->schreibung))
                    continue;
                u->andere = satz;
                u->andere.removeAll(u->schreibung);
                gefunden.append(*u);
                vergeben.insert(kandidat);
                break;
            }
        }
    }
    return gefunden;
}

namespace {

// The set and the right answer of one task as the game builds them; nothing when the word's
// marker row does not reach a pair of the block.
std::optional<std::pair<QString, QString>> satzUndAntwort(const Uebung& u, const Kategorie& k,
                                                          const UebungsWort& w, bool liste2) {
    const auto fund = pruefeLupenStelle(k, liste2, getKategorieNr(u.kennung), w.vonPos, w.wort);
    if (!fund)
        return std::nullopt;
    Aufgabe a;
    a.aktWort = w.wort;
    a.aktVonPos = fund->vonPos;
    a.aktPaarNr = fund->paarNr;
    QStringList satz = buildAuswahlListe(k, a, liste2).split(u',');
    satz.sort();
    const SchreibPaar& p = k.schreibPaare[fund->paarNr];
    return std::pair(satz.join(u','),
                     w.wort.mid(fund->vonPos - 1, (liste2 ? p.schreibung2 : p.schreibung1).size()));
}

} // namespace

QString auswahlSatz(const Uebung& u, const UebungsWort& w, bool liste2) {
    const auto s = satzUndAntwort(u, u.block(), w, liste2);
    return s ? s->first : QString();
}

QStringList verrateneSaetze(const Uebung& u) {
    const Kategorie k = u.block();
    QHash<QString, QSet<QString>> antworten;
    QStringList reihe;
    for (const bool liste2 : {false, true}) {
        for (const UebungsWort& w : liste2 ? u.kontrast : u.woerter) {
            const auto s = satzUndAntwort(u, k, w, liste2);
            if (!s)
                continue;
            antworten[s->first].insert(s->second);
            if (!reihe.contains(s->first))
                reihe.append(s->first);
        }
    }
    QStringList verraten;
    for (const QString& s : reihe)
        if (antworten[s].size() < 2)
            verraten.append(s);
    return verraten;
}

void markiere(const SqliteDatabase& db, const Uebung& u, Markierung art) {
    const int vesk = getKategorieNr(u.kennung);
    db.exec(QStringLiteral("BEGIN"));
    for (const UebungsWort& w : u.woerter + u.kontrast) {
        db.exec(art == Markierung::Ersetzen
                    ? QStringLiteral("DELETE FROM LupenStellen WHERE RefNr = %1").arg(w.refNr)
                    : QStringLiteral("DELETE FROM LupenStellen WHERE RefNr = %1 AND Vesk = %2 "
                                     "AND vonPos = %3")
                          .arg(w.refNr)
                          .arg(vesk)
                          .arg(w.vonPos));
        db.exec(QStringLiteral("INSERT INTO LupenStellen (RefNr, Vesk, vonPos) VALUES (%1, %2, "
                               "%3)")
                    .arg(w.refNr)
                    .arg(vesk)
                    .arg(w.vonPos));
    }
    db.exec(QStringLiteral("COMMIT"));
}

} // namespace zafku::bericht
