#include "SchrittSuche.h"

#include "Feldwert.h"
#include "LupenPruefung.h"
#include "RdbManager.h"
#include "platform/LaufzeitFehler.h"

namespace zafku {

int naechsteAufgabenPos(int pos, const Kategorie& kategorie) {
    if (pos >= 32767)
        throw LaufzeitFehler(QStringLiteral("Die Übung %1 in Vokra.kmp hat mehr als 32767 "
                                            "Aufgaben in einer Liste.")
                                 .arg(kategorie.kmpKennung));
    return pos + 1;
}

const QString& SchrittSuche::kriterium(bool liste2) const {
    return liste2 ? rdb_.kategorie.kmpKriterium2 : rdb_.kategorie.kmpKriterium1;
}

bool SchrittSuche::checkLupenStelle(bool liste2) {
    SqliteRecordSet& lup = *rdb_.dbLup;
    const auto fund =
        pruefeLupenStelle(rdb_.kategorie, liste2, alsInt16(lup.field(QStringLiteral("Vesk"))),
                          alsInt16(lup.field(QStringLiteral("vonPos"))), wort_);
    if (fund) {
        paarNr = fund->paarNr;
        vonPos_ = fund->vonPos;
    }
    return fund.has_value();
}

bool SchrittSuche::checkAufgabe(bool lesen, bool liste2) {
    SqliteRecordSet& wort = *rdb_.dbWort;
    SqliteRecordSet& lup = *rdb_.dbLup;
    const QString refNrFeld = QStringLiteral("RefNr");
    const int refNr = leseInt16(wort.field(refNrFeld), refNrFeld, wort, satzNummer(wort.rowid()));
    wort_ = leseText(wort.field(QStringLiteral("Wort")), QStringLiteral("Wort"), wort,
                     satzMitRefNr(refNr));

    std::optional<Fundstelle> fund;
    for (lup.findFirst(refNrFeld, refNr); !lup.noMatch(); lup.findNext(refNrFeld, refNr)) {
        if (checkLupenStelle(liste2)) {
            fund = Fundstelle{vonPos_, paarNr};
            break;
        }
    }
    if (!fund)
        fund = pruefeOhneLupenStelle(rdb_.kategorie, liste2, wort_);
    if (!fund)
        return false;
    paarNr = fund->paarNr;
    if (lesen)
        rdb_.readAufgabe(liste2, fund->vonPos, fund->paarNr);
    else
        rdb_.pruefeAufgabe(refNr, wort.field(QStringLiteral("KomplexInd")));
    return true;
}

bool SchrittSuche::findFirstAufgabe(bool lesen, bool liste2, const QString& kriterium) {
    SqliteRecordSet& wort = *rdb_.dbWort;
    for (wort.findFirst(kriterium); !wort.noMatch(); wort.findNext(kriterium)) {
        if (checkAufgabe(lesen, liste2)) {
            rdb_.aufgabenPos = 1;
            return true;
        }
    }
    return false;
}

bool SchrittSuche::findNextAufgabe(bool lesen, bool liste2, const QString& kriterium) {
    SqliteRecordSet& wort = *rdb_.dbWort;
    for (wort.findNext(kriterium); !wort.noMatch(); wort.findNext(kriterium)) {
        if (checkAufgabe(lesen, liste2)) {
            rdb_.aufgabenPos = naechsteAufgabenPos(rdb_.aufgabenPos, rdb_.kategorie);
            return true;
        }
    }
    return false;
}

int SchrittSuche::countAufgaben(bool liste2) {
    if (!findFirstAufgabe(false, liste2, kriterium(liste2)))
        return 0;
    int c = 1;
    while (findNextAufgabe(false, liste2, kriterium(liste2)))
        c = naechsteAufgabenPos(c, rdb_.kategorie);
    return c;
}

bool SchrittSuche::gotoAufgabe(int n, bool liste2) {
    const int cur = rdb_.aufgabenPos;
    const QString& k = kriterium(liste2);
    if (n == cur)
        return true;
    int schritt = cur + 1;
    if (n < cur) {
        if (n == 1)
            return findFirstAufgabe(true, liste2, k);
        findFirstAufgabe(false, liste2, k);
        schritt = 2;
    }
    for (; schritt <= n - 1; ++schritt) {
        if (!findNextAufgabe(false, liste2, k))
            return false;
    }
    return findNextAufgabe(true, liste2, k);
}

} // namespace zafku
