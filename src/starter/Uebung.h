#pragma once

#include "rdb/Kategorie.h"

#include <QList>
#include <QString>

namespace zafku::bericht {
class Lehrmaterial;
}

namespace zafku::starter {

// One word of a practice game: the gap at vonPos (1-based) filled with schreibung, the
// other spellings of its own category offered beside it.
struct UebungsWort {
    int refNr = 0;
    QString wort;
    QString code; // the category the spot belongs to
    int vonPos = 0;
    QString schreibung;
    QStringList andere;
};

// A child's practice game as one exercise: its due words in list 1, and in list 2 words
// of the shipped material whose right answer is one of the other spellings, so that the
// choices never give the answer away.
struct Uebung {
    QString kennung; // the category key the game is started with
    QList<UebungsWort> woerter;
    QList<UebungsWort> kontrast;
    QList<int> ohneStelle; // due words no exercise of the material can ask
    QList<SchreibPaar> paare() const;
    // The exercise block as a line of Vokra.kmp (before encoding).
    QString kmpZeile() const;
};

// Finds for each due word its spot (the rarest category among its marked spots, as the
// report does; capital-letter spots are asked in their own exercises only) and up to two
// contrast words per word.
Uebung planeUebung(bericht::Lehrmaterial& material, const QList<int>& faellig);

} // namespace zafku::starter
