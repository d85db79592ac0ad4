#pragma once

#include <QList>
#include <QString>

#include <optional>

namespace zafku::aussprache {

// A spoken vowel: its espeak-ng mnemonic without the length mark ("i", "aI", "@").
struct Kern {
    QString laut;
    bool lang = false;
    bool zwielaut() const { return laut.size() == 2; }
};

// The vowels of a phoneme string in spoken order.
QList<Kern> kerne(const QString& phoneme);

// The spoken vowel of the written vowel (or vowel pair) that starts at the 0-based
// letter index `buchstabe`; nullopt when the two cannot be matched up.
std::optional<Kern> gesprochenerKern(const QString& wort, int buchstabe, const QString& phoneme);

enum class Verlangt { Lang, Kurz, LangOderZwielaut };

// What a spelling rule asks of one vowel: its 0-based letter index in the word.
struct Anspruch {
    Verlangt verlangt;
    int buchstabe;
};

// The vowel a spelling's rule speaks of, and what it asks (see widerspruch); nullopt when
// the rule has nothing to say about length there.
std::optional<Anspruch> anspruch(const QString& kategorie, const QString& wort, int vonPos,
                                 const QString& schreibung);
// A diphthong counts as long.
bool erfuellt(Verlangt verlangt, const Kern& k);

// What the rule of a spelling asks of a task's vowel, or an empty text when the rule
// has nothing to say about length: the vowel at the spot (ie, ah, aa, and single vowels
// in the lengthening exercises; the short i of "i"), or the one just before it (short
// before ck, tz and doubled consonants; long or a diphthong before ß and before single
// k, z or consonant in exercises that set it against ck, tz or a doubled one).
// The result names what espeak-ng says instead, e.g. "kurzes I statt langem Selbstlaut".
QString widerspruch(const QString& kategorie, const QString& wort, int vonPos,
                    const QString& schreibung, const QString& phoneme);

} // namespace zafku::aussprache
