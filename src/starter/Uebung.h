#pragma once

#include "bericht/GemischteUebung.h"

#include <QList>

namespace zafku::starter {

using bericht::Uebung;
using bericht::UebungsWort;

// The help text of a practice game.
QString uebungsTipp();

// A child's practice game: its due words in list 1, each at its spot (see waehleStelle),
// and up to two contrast words per word in list 2.
Uebung planeUebung(bericht::Lehrmaterial& material, const QList<int>& faellig);

} // namespace zafku::starter
