#pragma once

#include "KarteiSpeicher.h"

#include <functional>
#include <memory>

namespace zafku {
class Clock;
}

namespace zafku::kartei {

// What reading one protocol file brought.
struct Lesergebnis {
    int antworten = 0; // new answers counted
    int richtig = 0;
    int unbekannt = 0; // new answers to a word the database does not know, skipped
    Aenderungen aenderungen;
};

// Reads the protocol file pfad (its name in the file system's bytes) of child datei from
// where the last reading stopped and applies the new answers on the day heute, all in one
// transaction of the store. bekannt says whether the spelling database knows a RefNr.
// A missing file changes nothing. Raises LaufzeitFehler when the store fails.
Lesergebnis leseNeueZeilen(KarteiSpeicher& speicher, const QByteArray& pfad, const QString& datei,
                           QDate heute, const std::function<bool(int)>& bekannt);

// Reads the new lines of every protocol file in the host folder's User/, by file name.
QMap<QString, Lesergebnis> leseAlleNeuenZeilen(KarteiSpeicher& speicher, const QString& appPfad,
                                               QDate heute,
                                               const std::function<bool(int)>& bekannt);

// Today by the clock seam.
QDate heute(const Clock& uhr);

// The store the host folder's Vokra.ini names: the server of [Meisterliste] when it names
// one, else User/Wortkartei.db.
std::unique_ptr<KarteiSpeicher> oeffneKarteiSpeicher(const QString& appPfad,
                                                     const QString& userPfad);

// Whether line zeile of the file as it is now was first read on von or later (von null:
// any line). Lines of a file read before it was replaced count as read on an unknown day.
bool imZeitraum(const QList<Lesung>& lesungen, int zeile, QDate von);

} // namespace zafku::kartei
