#pragma once

#include <QString>
#include <QStringList>

namespace zafku {

// The 52 category keys in the order of the host's Vokra.tsp; LupenStellen.Vesk stores a
// key's place in it (1 to 52).
const QStringList& kategorienTabelle();

// 1 to 52, or -1 for a key that is not in the table (exact comparison).
int getKategorieNr(const QString& schluessel);

// The codes of a Vokra.tsp text in file order, group headings (">>>") left out.
QStringList leseKategorienCodes(const QString& tspText);

} // namespace zafku
