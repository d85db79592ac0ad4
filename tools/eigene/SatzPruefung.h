#pragma once

#include "Pruefung.h"

namespace zafku::eigene {

// Where a spot's spelling stands in the word, 1-based.
int stelleIm(const Block& b, const Vorschlag& v);

// What the sentence gives away or contradicts: its article against the word's, a relative
// of the word that shows the spelling at a ticked spot ("Ich kämme mich mit dem Kamm.").
void pruefeSatz(const PruefWort& w, const QList<Block>& bloecke, QList<Befund>& befunde);

// A ticked spot whose vowel read-aloud speaks against the spot's rule: a hint, as the
// child hears it.
void pruefeAussprache(const PruefWort& w, const QList<Block>& bloecke, const Laute& laute,
                      QList<Befund>& befunde);

} // namespace zafku::eigene
