#pragma once

#include <QList>
#include <QString>

namespace zafku::material {

struct Marke {
    QString code;
    int vonPos = 0;
};

// One line of a word file in host/woerter.
struct WortEintrag {
    QString wort;
    QString kontext;
    int komplexInd = 0;
    QString satz;
    QList<Marke> marken;
    // How the word is spoken where the speech engine misreads it: phoneme input such as
    // "[[b'e:r@n]]"; empty when its own reading is right.
    QString aussprache;
    QString datei;
    int zeile = 0;
};

struct QuellFehler {
    QString datei;
    int zeile = 0;
    QString text;
    QString toString() const;
};

// Parses one word file's text; faults name the file and line.
QList<WortEintrag> parseWortDatei(const QString& text, const QString& datei,
                                  QList<QuellFehler>& fehler);

// Reads every *.txt of dir except the two review files, in file-name order.
QList<WortEintrag> leseWortDateien(const QString& dir, QList<QuellFehler>& fehler);

} // namespace zafku::material
