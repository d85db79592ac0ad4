#pragma once

#include "Uebungen.h"

#include <QList>
#include <QString>

#include <memory>
#include <vector>

namespace zafku {
class SqliteDatabase;
class SqliteStatement;
} // namespace zafku

namespace zafku::eigene {

// A critical spot the word may practise: the category, the marker position as the
// database stores it, and the spelling that stands there.
struct Vorschlag {
    QString code;
    int vonPos = 0;
    QString schreibung;
    // A single letter that many words hold (i, k, s …) is only offered, not ticked.
    bool sicher = true;
};

// Finds the categories and spots of a word the way the game's exercises read them: a
// spelling pair of the block at a place its position rule allows, in a word its list-1
// criterion accepts. A spelling inside a longer known spelling (i in ie) is not a spot.
class Vorschlaege {
  public:
    explicit Vorschlaege(QList<Block> bloecke);
    ~Vorschlaege();
    QList<Vorschlag> fuer(const QString& wort, const QString& kontext) const;
    const QList<Block>& bloecke() const { return bloecke_; }

  private:
    bool nimmtAn(qsizetype block, const QString& wort, const QString& kontext) const;

    QList<Block> bloecke_;
    QStringList alleSchreibungen_;
    QStringList hauptSchreibungen_;
    std::unique_ptr<SqliteDatabase> probe_;
    // Prepared once: a word is tried against every block.
    std::unique_ptr<SqliteStatement> neu_;
    std::vector<std::unique_ptr<SqliteStatement>> kriterien_; // per block; none when invalid
};

// Kontext words that mark a noun, a verb, an adjective.
bool istArtikel(const QString& kontext);
bool istTunwort(const QString& kontext);
bool istWiewort(const QString& kontext);

} // namespace zafku::eigene
