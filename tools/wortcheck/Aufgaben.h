#pragma once

#include "Uebung.h"

#include <QList>
#include <QString>

#include <memory>

struct sqlite3;

namespace zafku::wortcheck {

// A usable task: which word, which list, where its spot starts and which pair matched.
struct Aufgabe {
    int wortIndex = 0;
    bool liste2 = false;
    int vonPos = 0;
    int paarNr = 0;
};

// The words as the table WortListe in an in-memory SQLite database, so that the
// criteria of the exercise blocks are evaluated exactly as the game's database does.
class WortTabelle {
  public:
    explicit WortTabelle(const QList<material::WortEintrag>& woerter);
    ~WortTabelle();

    // Indexes of the words meeting the criterion, in record order; false with a
    // message when SQLite rejects the criterion.
    bool waehle(const QString& kriterium, QList<int>& indexe, QString& fehler) const;

  private:
    std::unique_ptr<sqlite3, int (*)(sqlite3*)> db_;
};

// ";CODE1;CODE2;" as the builder stores it.
QString schwerpunkte(const material::WortEintrag& wort);

// Both lists of usable tasks of an exercise, by the game's rules: the criterion, then
// a marker row of the list's codes whose spot reads one of its spellings, else the
// fallback search for a spelling in the word.
bool findeAufgaben(const Uebung& uebung, const QList<material::WortEintrag>& woerter,
                   const WortTabelle& tabelle, const QStringList& kategorien,
                   QList<Aufgabe>& aufgaben, QString& fehler);

// The choice list of a task as the game builds it; its first item is s1, its second s2
// of the matched pair.
QStringList auswahlListe(const Uebung& uebung, const Aufgabe& aufgabe, const QString& wort);

// Length of the right filling of a task.
int lupLaenge(const Uebung& uebung, const Aufgabe& aufgabe);

} // namespace zafku::wortcheck
