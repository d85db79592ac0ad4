#pragma once

#include "rdb/Kategorie.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace zafku::eigene {

// One shipped exercise block: its seven fields as they stand in Vokra.kmp, and read.
struct Block {
    QStringList felder;
    Kategorie kategorie;
    QString code() const { return felder.value(0); }
};

// Key of the block that asks only the teacher's words of a category.
QString eigenerSchluessel(const QString& code);
// A block this program added (category key + "E"), not a shipped one.
bool istEigenerSchluessel(const QString& schluessel);

// The shipped blocks of a Vokra.kmp text, one block a line; added blocks left out.
QList<Block> gelieferteBloecke(const QStringList& kmpZeilen);
const Block* blockFuer(const QList<Block>& bloecke, const QString& code);

// A block line as the game reads it back: every field quoted.
QString blockZeile(const QStringList& felder);

} // namespace zafku::eigene
