#pragma once

#include <QString>

namespace zafku {

class RdbManager;
struct Kategorie;

// pos + 1; a list longer than 16 bits can count raises LaufzeitFehler.
int naechsteAufgabenPos(int pos, const Kategorie& kategorie);

// Finding tasks by walking the record sets: each test looks up the word's marker rows,
// each draw steps from the current record or from the first. Kept as the reference the
// index must agree with.
class SchrittSuche {
  public:
    explicit SchrittSuche(RdbManager& rdb) : rdb_(rdb) {}

    bool findFirstAufgabe(bool lesen, bool liste2, const QString& kriterium);
    bool findNextAufgabe(bool lesen, bool liste2, const QString& kriterium);
    int countAufgaben(bool liste2);
    bool gotoAufgabe(int n, bool liste2);

    // Index of the pair matched by the last successful marker test.
    int paarNr = 0;

  private:
    // checkLupenStelle1/2: the marker table stands on a row of the word checkAufgabe tests.
    bool checkLupenStelle(bool liste2);
    // checkAufgabe1/2: the word table stands on the record to test.
    bool checkAufgabe(bool lesen, bool liste2);
    const QString& kriterium(bool liste2) const;

    RdbManager& rdb_;
    int vonPos_ = 0;
    // Wort of the word under test.
    QString wort_;
};

} // namespace zafku
