#pragma once

#include "material/WortDatei.h"

#include <QStringList>

namespace zafku::material {

// Writes the spelling database for the words to ziel: first to ziel.tmp, renamed over
// ziel only when everything was written, so no half-built file is left. kategorien are
// the category codes in Vokra.tsp order (a code's number is its place, from 1).
// Returns the faults, each naming file and line; nothing is written when there are any.
QList<QuellFehler> baueDatenbank(const QStringList& kategorien, const QList<WortEintrag>& woerter,
                                 const QString& ziel);

// Writes the tables to pfad without checking the words; RefNr counts from 1 and starts
// again after refNrZyklus, which lets synthetic data exceed the 16-bit range of RefNr.
// Raises LaufzeitFehler when the file cannot be written.
void schreibeDatenbank(const QStringList& kategorien, const QList<WortEintrag>& woerter,
                       const QString& pfad, int refNrZyklus);

// The words of a built database in RefNr order, each with its markers (codes taken
// from kategorien by number), sentence and pronunciation; datei names the file, zeile
// the RefNr. Raises LaufzeitFehler.
QList<WortEintrag> leseDatenbank(const QStringList& kategorien, const QString& pfad);

} // namespace zafku::material
