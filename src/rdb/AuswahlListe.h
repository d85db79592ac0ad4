#pragma once

#include "Aufgabe.h"
#include "Kategorie.h"

namespace zafku {

// True when the text begins with A to Z, Ä, Ö or Ü.
bool isGrossBuchstabe(const QString& text);

// The choice list of the current task: its own pair first, then every spelling that the
// pair table relates to the task's right spelling, in table order, without repeats.
QString buildAuswahlListe(const Kategorie& kategorie, const Aufgabe& aufgabe, bool liste2);

} // namespace zafku
