#pragma once

#include "Lehrmaterial.h"

#include <QList>
#include <QString>

#include <optional>

namespace zafku::bericht {

// One way a protocol line fits the word material: the exercise that could have asked
// the word, the category of the marked spot and what stands there.
struct Deutung {
    int uebung = -1; // index into Lehrmaterial::uebungen()
    QString kategorie;
    int vonPos = 0; // 1-based start of the spot in the right word
    QString richtig;
    QString geschrieben; // what the child put at the spot; "" for a right answer
    // 2: the exercise's spelling pairs relate the two spellings; 1: the spot only fits.
    int guete = 0;
};

// The ways a line fits: for a right answer (geschrieben empty) every marked spot of the
// word that an exercise can ask; for a wrong answer only spots that explain the written
// word as the word with that spot replaced, best fits first.
QList<Deutung> deutungen(const QList<Kategorie>& uebungen, const Wort& wort,
                         const std::optional<QString>& geschrieben);

// The part where two spellings of a word differ, when no marked spot explains it:
// common beginning and end cut off.
Deutung unterschied(const QString& richtig, const QString& geschrieben);

// "ie → i"
QString verwechslungsText(const QString& richtig, const QString& geschrieben);

} // namespace zafku::bericht
