#pragma once

#include "Kategorie.h"

namespace zafku {

// Reads the block of Vokra.kmp whose key begins with kennung. The counts stay 0. A file
// that is missing, has no such block, does not end with a whole block or holds a position
// rule without ":" raises LaufzeitFehler.
Kategorie readKmpDatei(const QString& appPfad, const QString& kennung);

// The same on the file's text, but the last block when none matches; datei names the file
// in error texts.
Kategorie leseKmpText(const QString& text, const QString& kennung, const QString& datei);

// The blocks whose key is one of kennungen, in the order of kennungen: for each key the
// first block whose key begins with it, taken when it is that key exactly. Raises
// LaufzeitFehler for a block taken with a broken rule and for a text cut short before a
// key was found.
QList<Kategorie> leseKmpUebungen(const QString& text, const QStringList& kennungen,
                                 const QString& datei);

QStringList readKategorienListe(const QString& feld);
// Field 5, "R1:R2"; block names the exercise in the error text.
void readLupenPositionen(const QString& feld, Kategorie& kategorie, const QString& block);
QList<SchreibPaar> readSchreibPaare(const QString& feld);

} // namespace zafku
