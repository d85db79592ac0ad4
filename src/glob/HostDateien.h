#pragma once

#include <QString>

namespace zafku {

struct SitzungsDaten;

// Reads a host text file of appPfad (name matched ignoring case); raises LaufzeitFehler
// with a German text naming the file when it cannot be read.
QString leseHostDatei(const QString& appPfad, const QString& name);

// spielZeitFaktor from MaximaleSpielDauer in [Spiele] of Vokra.ini.
void leseMaxSpielDauer(SitzungsDaten& daten);

// katNr and katTitel of feldName from Vokra.tsp.
void leseKategorieText(SitzungsDaten& daten);

} // namespace zafku
