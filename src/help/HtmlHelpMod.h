#pragma once

#include <QString>

namespace zafku {

struct SitzungsDaten;

// katHilfeNr: the category help topic of katNr; unchanged when katNr is not 1 to 52.
void initHilfe(SitzungsDaten& daten);

// A help file "<dir>/Name.chm" is the folder "<dir>/Name/" (found ignoring case) with
// index.html as its default page and <topic>.html per topic. An unknown topic, or
// topic < 0, gives the default page.
QString hilfeSeite(const QString& hilfeDatei, long thema = -1);

// The folder of a help file's pages (see hilfeSeite).
QString hilfeOrdner(const QString& hilfeDatei);

// Window caption of a help file's viewer, e.g. "Zafku – Hilfe".
QString hilfeTitel(const QString& hilfeDatei);

} // namespace zafku
