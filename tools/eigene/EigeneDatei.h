#pragma once

#include "material/WortDatei.h"

#include <QList>
#include <QString>

#include <optional>

namespace zafku::eigene {

// Teacher words take numbers from here on, above every shipped word; the game reads
// RefNr as a 16-bit number.
constexpr int ersteNummer = 30000;
constexpr int letzteNummer = 32767;

// One word of the class. A removed word keeps its number and its spots, so old
// protocol lines still name it; it is no longer asked.
struct EigenesWort {
    int refNr = 0;
    QString wort;
    QString kontext;
    QString satz; // as typed, with the word in it; may be empty
    QList<material::Marke> marken;
    bool entfernt = false;
    int zeile = 0; // in the teacher's file, when read from it
};

struct EigeneListe {
    QList<EigenesWort> woerter;
    int naechsteNummer = ersteNummer;
};

// A line as the teacher types it: "Wort, Artikel oder Wortart, Satz".
struct Eingabe {
    QString wort;
    QString kontext;
    QString satz;
    int zeile = 0;
};

// The teacher's file in the host folder, UTF-8.
QString eigeneDateiPfad(const QString& hostDir);

// A word file holds at most one line per number, each far shorter than this.
constexpr qint64 maxWortDatei = 1 << 20;
constexpr int maxKontext = 20;
// Longer than any word a child spells; the spot search grows with the cube of the length.
constexpr int maxWort = 40;

// A word file's text: a regular file of at most maxWortDatei bytes in UTF-8 (a byte order
// mark allowed). Otherwise nothing, and fehler says in German what the file is instead.
std::optional<QString> leseWortDatei(const QString& pfad, QString& fehler);
std::optional<QString> wortDateiText(const QByteArray& bytes, const QString& pfad, QString& fehler);

EigeneListe leseEigeneListe(const QString& text);
QString eigeneListeText(const EigeneListe& liste);
// Reads the file; a missing file is an empty list. A file that cannot be read is an empty
// list too, with the reason in *fehler.
EigeneListe ladeEigeneListe(const QString& hostDir, QString* fehler = nullptr);

// Fields split at "|", a tab or the first two commas (a sentence keeps its commas).
QList<Eingabe> leseEingabe(const QString& text);

// Makes neu the list of asked words: a word already known keeps its number, a new one
// gets the next, a word left out is kept as removed. The error when numbers run out.
std::optional<QString> uebernimm(EigeneListe& liste, const QList<EigenesWort>& neu);

} // namespace zafku::eigene
