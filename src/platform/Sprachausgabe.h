#pragma once

#include <QStringList>

namespace zafku {

// Speaks texts aloud without ever blocking the caller.
class Sprachausgabe {
  public:
    virtual ~Sprachausgabe() = default;
    // Speaks the texts one after another with a short pause between them, in place of
    // whatever is still being spoken.
    virtual void sprich(const QStringList& texte) = 0;
    virtual void verstumme() = 0;
};

// A text as espeak-ng may get it: Latin letters, digits and German punctuation stand;
// control characters and other scripts become blanks. espeak-ng 1.51 reads past the end
// of the text on a control character and freed memory on some Greek signs (΅).
inline QString sprechbar(QString text) {
    static const QString deutsch = QStringLiteral("„“‚‘”’–—…€«»");
    for (QChar& c : text)
        if (c.unicode() < 0x20 || (c.unicode() >= 0x7f && c.unicode() < 0xa0) ||
            (c.unicode() > 0xff && !deutsch.contains(c)))
            c = u' ';
    return text;
}

} // namespace zafku
