#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

namespace zafku::bericht {

// One judged answer: "57= OK" or "57= Strasse".
struct Antwort {
    int refNr = 0;
    bool ok = false;
    QString geschrieben;
};

// nullopt for a line the game cannot have written.
std::optional<Antwort> leseZeile(const QString& zeile);

struct ProtokollZeile {
    int nummer = 0; // 1-based line number in the file
    QString text;
};

// A year of play fills a few hundred kilobytes; only the start of a larger file is read.
constexpr qint64 kMaxProtokollBytes = 4 << 20;
// The game writes no longer line; a longer one is damaged and only its start is quoted.
constexpr int kMaxZeilenLaenge = 200;

// A protocol file's lines; empty lines left out. When the bytes are not Windows-1252 text
// (UTF-8 or UTF-16), fremdeKodierung names the encoding found and the lines are not used.
// dateiFehler says why the file was not read at all or only in part.
struct ProtokollDatei {
    QList<ProtokollZeile> zeilen;
    QString fremdeKodierung;
    QString dateiFehler;
};

ProtokollDatei leseProtokoll(const QByteArray& bytes);

// Reads the file named by its bytes in the file system: only a regular file, and of that
// at most kMaxProtokollBytes, ending at the last whole line.
ProtokollDatei leseProtokollDatei(const QByteArray& pfad);

struct ProtokollName {
    QByteArray pfad; // as the file system spells it
    QString basis;   // without .tmp
    bool utf8 = true;
};

// The User/*.tmp files of a host folder in name order. Listed through the system, because
// Qt leaves out names that are not UTF-8, and the host writes its names in Windows-1252.
QList<ProtokollName> protokollNamen(const QString& appPfad);

// A line as the report quotes it: its first characters, and how many were left out.
QString zitat(const QString& zeile);

} // namespace zafku::bericht
