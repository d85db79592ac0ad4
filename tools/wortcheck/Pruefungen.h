#pragma once

#include "Material.h"
#include "WortCheck.h"
#include "Ziehungen.h"

#include <QList>
#include <QSet>
#include <QString>

namespace zafku {
class RdbManager;
}

namespace zafku::wortcheck {

class Wortschatz;

// Each line of the word files: word list, sentence gaps, contexts, repeats, cases.
void pruefeEintraege(Material& m, const Wortschatz& wortschatz, QList<QuellFehler>& fehler);

// The sentences with their word put in must pass the spell checker.
void pruefeSaetze(const Material& m, QList<QuellFehler>& fehler);

// Some block that reads a marker's code must find one of its spellings at the spot.
void pruefeMarken(const Material& m, QList<QuellFehler>& fehler);

// One loaded task: its spot, its contrast, what its sentence shows and its wrong
// fillings, which pruefeEchteWoerter looks up afterwards in one go.
Ziehung pruefeFuellungen(const RdbManager& rdb, bool liste2, Material& m,
                         const QList<QSet<QString>>& gruppen, bool gruppenGeprueft,
                         QList<QuellFehler>& fehler);
void pruefeEchteWoerter(const Material& m, const Wortschatz& wortschatz,
                        QList<QuellFehler>& fehler);

// Loads the category as the game does, then walks every task of both lists.
void pruefeAufgaben(RdbManager& rdb, const QString& code, const Uebung& u, Material& m,
                    const Optionen& optionen, Zaehlung& z, QList<QuellFehler>& fehler);

// Tips and help pages (in hilfeDir, named by help number) against the tasks.
void pruefeTexte(Material& m, const QString& hilfeDir, QList<QuellFehler>& fehler);

// espeak-ng must speak each task's vowel as its spelling rule says; `vorher` counts the
// tasks where its own reading contradicts, before the written pronunciations.
void pruefeAussprache(Material& m, int& vorher, QList<QuellFehler>& fehler);

// The words of a sentence (its gap "@") that contradict a noun's article: "die @" beside
// "der", or "@ sind" where the sentence speaks of more than one; empty when they fit.
QString artikelWiderspruch(const QString& kontext, const QString& satz);

// A noun's article must fit the article or verb its sentence puts with it.
void pruefeArtikel(Material& m, QList<QuellFehler>& fehler);

// True when `anderes` shares the stem of `aufgabe` up to just past the spot at vonPos
// (1-based), umlauts, lengthening and doubled letters aside.
bool verwandt(const QString& aufgabe, int vonPos, const QString& anderes);

// Letters that a sentence of a tip such as "Nach l, n und r schreibst du nur k oder z"
// puts before the spelling; empty when the text says nothing of it.
QString buchstabenVor(const QString& text, const QString& schreibung);

// No sentence may show a relative of its task word: it gives the spelling away or
// misleads (Schlüssel beside schließe).
void pruefeVerwandte(Material& m, QList<QuellFehler>& fehler);

// What a text claims with "statt … immer", "nie" and "nach l, n und r nur …" must hold for
// the tasks of the material and of its exercise.
struct Absatz;
void pruefeBehauptungen(Material& m, const QString& datei, const QList<Absatz>& absaetze,
                        const QString& code, QList<QuellFehler>& fehler);

// Task words must come from the basic vocabulary in befundeDir/grundwortschatz.lst or the
// reviewed known words of bekannte_woerter.lst, or be built from them.
void pruefeSeltenheit(Material& m, const QString& befundeDir, QList<QuellFehler>& fehler);

QString prozent(double anteil);

} // namespace zafku::wortcheck
