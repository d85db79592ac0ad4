#pragma once

#include "rdb/Kategorie.h"

#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

#include <optional>

namespace zafku {
class SqliteDatabase;
}

namespace zafku::bericht {

class Lehrmaterial;

// One word of a chosen-words exercise: the gap at vonPos (1-based) filled with schreibung,
// the other spellings of its own category offered beside it.
struct UebungsWort {
    int refNr = 0;
    QString wort;
    QString code; // the category the spot belongs to
    int vonPos = 0;
    QString schreibung;
    QStringList andere;
};

// Chosen words of several categories as one exercise the game plays unchanged: the chosen
// words in list 1, and in list 2 words of the shipped material whose right answer is one
// of the other spellings, so that the choices do not give the answer away. Every word is
// asked at the spot its marker row under the exercise's key names (see markiere).
struct Uebung {
    QString kennung; // the category key the game is started with
    QList<UebungsWort> woerter;
    QList<UebungsWort> kontrast;
    QList<int> ohneStelle; // chosen words no exercise of the material can ask
    QList<SchreibPaar> paare() const;
    // The exercise block as a line of Vokra.kmp (before encoding), tip as its help text.
    QString kmpZeile(const QString& tipp) const;
    // The block as the game loads it, without counts.
    Kategorie block() const;
};

// The spot a word is asked at: among its marked spots the rarest category, as the report
// does; capital-letter spots are asked in their own exercises only.
std::optional<UebungsWort> waehleStelle(Lehrmaterial& material, int refNr);

// Up to anzahl words of the material marked for wahl's exercise whose spot is spelled
// with one of wahl's other spellings, none of vergeben; they are added to vergeben.
QList<UebungsWort> sucheKontrast(Lehrmaterial& material, const UebungsWort& wahl, int anzahl,
                                 QSet<int>& vergeben);

// A task's choice set as the game builds it (spellings sorted, joined by ","); "" when the
// word's spot reaches no pair of the block.
QString auswahlSatz(const Uebung& u, const UebungsWort& w, bool liste2);

// The choice sets (spellings sorted, joined by ",") whose tasks in u all have the same right
// answer, as the game builds them: such a set gives its answer away.
QStringList verrateneSaetze(const Uebung& u);

// Marker rows under the exercise's key for every word at its spot. Ersetzen drops the
// words' other rows first (a copy of the database of its own); Ergaenzen keeps them.
enum class Markierung { Ersetzen, Ergaenzen };
void markiere(const SqliteDatabase& db, const Uebung& u, Markierung art);

} // namespace zafku::bericht
