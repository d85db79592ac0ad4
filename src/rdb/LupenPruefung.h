#pragma once

#include "Kategorie.h"

#include <optional>

namespace zafku {

// Where a task's spot lies and which spelling pair matched it.
struct Fundstelle {
    int vonPos = 0;
    int paarNr = 0;
    bool operator==(const Fundstelle&) const = default;
};

// Start of the spot by a position rule; vonPos is the marker row's.
int lupenStart(const LupRegel& regel, int vonPos);

// One marker row (Vesk, vonPos) of wort tested for a list: the spot and pair when the
// row belongs to the list's categories and its spot reads one of the list's spellings,
// ignoring letter case. A Vesk or vonPos that is no 16-bit number (nothing) matches no
// category and no spot.
std::optional<Fundstelle> pruefeLupenStelle(const Kategorie& kategorie, bool liste2,
                                            std::optional<int> vesk, std::optional<int> vonPos,
                                            const QString& wort);

// A word without a matching marker row: the spelling at the fixed position (absolute
// rule, ignoring case) or its first occurrence (relative rule, case-sensitive).
std::optional<Fundstelle> pruefeOhneLupenStelle(const Kategorie& kategorie, bool liste2,
                                                const QString& wort);

// Upper case letter by letter, so that ß stays one character.
QString grossBuchstaben(const QString& text);

} // namespace zafku
