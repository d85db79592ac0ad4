#pragma once

#include <QString>

namespace zafku {

struct SitzungsDaten;

// Reads a host text file of appPfad (name matched ignoring case); raises LaufzeitFehler
// with a German text naming the file when it cannot be read.
QString leseHostDatei(const QString& appPfad, const QString& name);

// spielZeitFaktor from MaximaleSpielDauer in [Spiele] of Vokra.ini.
void leseMaxSpielDauer(SitzungsDaten& daten);

// The classroom server's libpq connection string, Server= in [Meisterliste] of Vokra.ini;
// "" when there is none or Vokra.ini cannot be read (the data then stays in User/).
QString klassenServer(const QString& appPfad);

// katNr and katTitel of feldName from Vokra.tsp.
void leseKategorieText(SitzungsDaten& daten);

} // namespace zafku
