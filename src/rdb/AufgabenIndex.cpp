#include "AufgabenIndex.h"

#include "Feldwert.h"
#include "RdbManager.h"
#include "SchrittSuche.h"

#include <algorithm>

namespace zafku {

void AufgabenIndex::leseMarken(RdbManager& rdb) {
    // A word's rows are those that "RefNr = <its RefNr>" finds; comparing each row with
    // its own whole-number value (no column affinity, like a bound number) picks exactly
    // the rows such a find can reach, under the key it reaches them by.
    SqliteStatement s = rdb.dbLup->select(QStringLiteral("CAST(RefNr AS INTEGER), Vesk, vonPos"),
                                          QStringLiteral("RefNr = CAST(RefNr AS INTEGER) + 0"));
    while (s.step())
        marken_[s.int64(0)].append({alsInt16(s.value(1)), alsInt16(s.value(2))});
    markenGelesen_ = true;
}

int AufgabenIndex::zaehle(RdbManager& rdb, bool liste2) {
    if (!markenGelesen_)
        leseMarken(rdb);
    SqliteRecordSet& wort = *rdb.dbWort;
    const Kategorie& kategorie = rdb.kategorie;
    Liste& liste = listen_[liste2];
    liste = {};
    SqliteStatement s = wort.select(QStringLiteral("rowid, RefNr, Wort, KomplexInd"),
                                    liste2 ? kategorie.kmpKriterium2 : kategorie.kmpKriterium1);
    while (s.step()) {
        liste.letzterTreffer = s.int64(0);
        liste.hatTreffer = true;
        const int refNr =
            leseInt16(s.value(1), QStringLiteral("RefNr"), wort, satzNummer(liste.letzterTreffer));
        const QString text =
            leseText(s.value(2), QStringLiteral("Wort"), wort, satzMitRefNr(refNr));
        std::optional<Fundstelle> fund;
        const auto it = marken_.constFind(refNr);
        if (it != marken_.cend()) {
            for (const Marke& m : *it) {
                if ((fund = pruefeLupenStelle(kategorie, liste2, m.vesk, m.vonPos, text)))
                    break;
            }
        }
        if (!fund)
            fund = pruefeOhneLupenStelle(kategorie, liste2, text);
        if (fund) {
            rdb.pruefeAufgabe(refNr, s.value(3));
            naechsteAufgabenPos(int(liste.aufgaben.size()), kategorie);
            liste.aufgaben.append({liste.letzterTreffer, *fund});
        }
    }
    if (!liste.aufgaben.isEmpty())
        rdb.aufgabenPos = int(liste.aufgaben.size());
    if (liste.hatTreffer)
        wort.moveTo(liste.letzterTreffer);
    return int(liste.aufgaben.size());
}

bool AufgabenIndex::gotoAufgabe(RdbManager& rdb, int n, bool liste2) {
    const int cur = rdb.aufgabenPos;
    if (n == cur)
        return true;
    const QList<Eintrag>& aufgaben = listen_[liste2].aufgaben;
    SqliteRecordSet& wort = *rdb.dbWort;
    // A walk back starts with find-first (the first task becomes position 1); a walk
    // forward continues after the current record from position cur.
    qsizetype erster = 0;
    int basis = 0;
    int ziel = n == 1 ? 1 : std::max(n, 2);
    if (n > cur) {
        const qint64 rowid = wort.rowid();
        erster = std::upper_bound(aufgaben.cbegin(), aufgaben.cend(), rowid,
                                  [](qint64 r, const Eintrag& e) { return r < e.rowid; }) -
                 aufgaben.cbegin();
        basis = cur;
        ziel = n;
    }
    const qsizetype index = erster + (qsizetype(ziel) - basis) - 1;
    if (index < aufgaben.size()) {
        const Eintrag& e = aufgaben[index];
        wort.moveTo(e.rowid);
        rdb.aufgabenPos = ziel;
        rdb.readAufgabe(liste2, e.fund.vonPos, e.fund.paarNr);
        return true;
    }
    // Ran out: the walk passed the remaining tasks and stopped on the last matching record.
    const qsizetype erreicht = aufgaben.size() - erster;
    if (erreicht > 0)
        rdb.aufgabenPos = basis + int(erreicht);
    const Liste& liste = listen_[liste2];
    if (liste.hatTreffer && (n < cur || liste.letzterTreffer > wort.rowid()))
        wort.moveTo(liste.letzterTreffer);
    return false;
}

} // namespace zafku
