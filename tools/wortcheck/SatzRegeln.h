#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

namespace zafku::wortcheck {

// The gap's letters with up to two letters either side, and with those before it alone
// ("Gieß" of Gießkanne in "gieße"), as they stand in the word: where one stands elsewhere
// in the sentence (a repeat, a compound, a relative), the child reads the answer off it.
QStringList schreibungMitUmfeld(const QString& wort, int vonPos, int laenge);

// The nouns of the sentence that follow "den" but do not end in -n or -s. Only "den"
// before a plural (dative) or a masculine singular (accusative) is right, so a noun of
// `kontexte` with "die" or "das" must then carry the dative -n; after a preposition that
// always asks for the dative, every noun must.
QStringList ohneDativEndung(const QString& satz, const QHash<QString, QString>& kontexte);

} // namespace zafku::wortcheck
