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

} // namespace zafku
