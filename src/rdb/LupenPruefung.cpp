#include "LupenPruefung.h"

#include "KategorienTabelle.h"

namespace zafku {

namespace {

const QString& schreibung(const SchreibPaar& paar, bool liste2) {
    return liste2 ? paar.schreibung2 : paar.schreibung1;
}

// The pair whose spelling stands at p, ignoring case. A spot before the first character
// matches nothing; one beyond the end reads as "".
std::optional<Fundstelle> paarAnStelle(const Kategorie& kategorie, bool liste2, int p,
                                       const QString& wort) {
    if (p < 1)
        return std::nullopt;
    const QList<SchreibPaar>& paare = kategorie.schreibPaare;
    for (int i = 0; i < paare.size(); ++i) {
        const QString& s = schreibung(paare[i], liste2);
        if (grossBuchstaben(s) == grossBuchstaben(wort.mid(p - 1, s.size())))
            return Fundstelle{p, i};
    }
    return std::nullopt;
}

} // namespace

QString grossBuchstaben(const QString& text) {
    QString gross = text;
    for (QChar& c : gross)
        c = c.toUpper();
    return gross;
}

int lupenStart(const LupRegel& regel, int vonPos) {
    return regel.absolut ? regel.nummer : vonPos + regel.nummer;
}

std::optional<Fundstelle> pruefeLupenStelle(const Kategorie& kategorie, bool liste2,
                                            std::optional<int> vesk, std::optional<int> vonPos,
                                            const QString& wort) {
    const LupRegel& regel = liste2 ? kategorie.lupRegel2 : kategorie.lupRegel1;
    if (!vesk || (!regel.absolut && !vonPos))
        return std::nullopt;
    if (!liste2) {
        if (vesk != getKategorieNr(kategorie.kmpKennung))
            return std::nullopt;
        return paarAnStelle(kategorie, false, lupenStart(regel, vonPos.value_or(0)), wort);
    }
    for (const QString& schluessel : kategorie.kategorienListe) {
        if (vesk != getKategorieNr(schluessel))
            continue;
        if (auto fund = paarAnStelle(kategorie, true, lupenStart(regel, vonPos.value_or(0)), wort))
            return fund;
    }
    return std::nullopt;
}

std::optional<Fundstelle> pruefeOhneLupenStelle(const Kategorie& kategorie, bool liste2,
                                                const QString& wort) {
    const LupRegel& regel = liste2 ? kategorie.lupRegel2 : kategorie.lupRegel1;
    if (regel.absolut)
        return paarAnStelle(kategorie, liste2, regel.nummer, wort);
    const QList<SchreibPaar>& paare = kategorie.schreibPaare;
    for (int i = 0; i < paare.size(); ++i) {
        const qsizetype p = wort.indexOf(schreibung(paare[i], liste2));
        if (p >= 0)
            return Fundstelle{int(p) + 1, i};
    }
    return std::nullopt;
}

} // namespace zafku
