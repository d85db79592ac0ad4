#pragma once

#include <QString>
#include <QStringList>

namespace zafku {

// The large word line: the gap "_" shown as four blanks.
QString wortZeile(const QString& lueckWort);

// The sentence with the gap word in place of its first "@"; the gap stands twice ("__").
// A sentence without "@" is shown unchanged, an empty one as the gap word alone.
QString lueckSatz(const QString& lueckWort, const QString& satz);

// The spellings of a choice list up to its first empty item, sorted for the list box:
// German order, letter case ignored (das before dass, s before ss before ß).
QStringList listenEintraege(const QString& auswahlListe);

// Keys that select spellings by typing: A-Z, a-z and the German letters.
bool istTippBuchstabe(QChar c);

} // namespace zafku
