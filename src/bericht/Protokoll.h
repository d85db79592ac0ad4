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

// A protocol file's lines; empty lines left out. When the bytes are not Windows-1252 text
// (UTF-8 or UTF-16), fremdeKodierung names the encoding found and the lines are not used.
struct ProtokollDatei {
    QList<ProtokollZeile> zeilen;
    QString fremdeKodierung;
};

ProtokollDatei leseProtokoll(const QByteArray& bytes);

} // namespace zafku::bericht
