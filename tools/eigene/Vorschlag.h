#pragma once

#include "Uebungen.h"

#include <QList>
#include <QString>

#include <functional>
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
    // Ticked at first: the spot the word was most likely chosen for. A doubtful one is
    // only offered, with the reason for the teacher.
    bool sicher = true;
    QString grund;
};

// espeak-ng's phonemes of a word; empty when there is no voice.
using Laute = std::function<QString(const QString&)>;
Laute espeakLaute();

// Finds the categories and spots of a word the way the game's exercises read them: a
// spelling pair of the block at a place its position rule allows, in a word its list-1
// criterion accepts. A spelling inside a longer known spelling (i in ie) is not a spot.
// A vowel written alone is a spot where it is spoken long (Wal, Schaf).
class Vorschlaege {
  public:
    explicit Vorschlaege(QList<Block> bloecke, Laute laute = espeakLaute());
    ~Vorschlaege();
    QList<Vorschlag> fuer(const QString& wort, const QString& kontext) const;
    const QList<Block>& bloecke() const { return bloecke_; }

  private:
    bool nimmtAn(qsizetype block, const QString& wort, const QString& kontext) const;

    QList<Block> bloecke_;
    Laute laute_;
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
