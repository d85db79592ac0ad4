#pragma once

#include "EigeneDatei.h"
#include "Uebungen.h"

#include <QDate>
#include <QHash>
#include <QString>
#include <QStringList>

#include <chrono>

namespace zafku::eigene {

// The shipped exercise blocks of the host's Vokra.kmp.
QList<Block> ladeBloecke(const QString& hostDir, QString& fehler);
// The article of each shipped noun in the host's Vokra-D.mdb.
QHash<QString, QString> gelieferteArtikel(const QString& hostDir);

// Saving a new list replaces this week's exercise; the teacher may keep it under its date.
struct Wochenwahl {
    bool behalten = false;
    QDate heute = QDate::currentDate();
};

struct NeubauErgebnis {
    QString fehler;         // empty when the host files were replaced
    QStringList angeboten;  // keys of the weeks offered, this week's first
    QString hinweis;        // which shipped words joined the week's exercise, and why
    QStringList ohneStelle; // asked words with no ticked spot the game can ask
    bool gewartet = false;  // another save in the folder ran first
    EigeneListe liste;      // as saved
};

// Tells the teacher which words the game does not ask.
QString ohneStelleText(const QStringList& woerter);

// Rebuilds Vokra-D.mdb, Vokra.kmp and Vokra.tsp of the host folder from their shipped
// part plus the teacher's words as one exercise of the week (see planeWoche), and writes
// Eigene-Woerter.txt. Everything is built and
// checked with the game's own reader in a fresh work folder first; each file is then
// replaced in one step, the database first and the teacher's file last, so a crash at
// any point leaves files the game can open. Saves in one folder, from any process or
// machine, run one after another under the folder's lock; waiting for it ends with an
// error after maxWarten.
NeubauErgebnis baueNeu(const QString& hostDir, const EigeneListe& liste,
                       const Wochenwahl& wahl = {},
                       std::chrono::milliseconds maxWarten = std::chrono::minutes(2));

// The saved list takes neu in (see uebernimm) and everything is rebuilt, in one turn of
// the lock, so that two teachers saving at once never hand out a number twice.
NeubauErgebnis speichere(const QString& hostDir, const QList<EigenesWort>& neu,
                         const Wochenwahl& wahl = {},
                         std::chrono::milliseconds maxWarten = std::chrono::minutes(2));

} // namespace zafku::eigene
