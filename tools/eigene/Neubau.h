#pragma once

#include "EigeneDatei.h"
#include "Uebungen.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <chrono>

namespace zafku::eigene {

// The shipped exercise blocks of the host's Vokra.kmp.
QList<Block> ladeBloecke(const QString& hostDir, QString& fehler);
// The article of each shipped noun in the host's Vokra-D.mdb.
QHash<QString, QString> gelieferteArtikel(const QString& hostDir);

struct NeubauErgebnis {
    QString fehler;        // empty when the host files were replaced
    QStringList angeboten; // keys of the "Eigene Wörter" choices, such as LIE_E
    bool gewartet = false; // another save in the folder ran first
    EigeneListe liste;     // as saved
};

// Rebuilds Vokra-D.mdb, Vokra.kmp and Vokra.tsp of the host folder from their shipped
// part plus the teacher's words, and writes Eigene-Woerter.txt. Everything is built and
// checked with the game's own reader in a fresh work folder first; each file is then
// replaced in one step, the database first and the teacher's file last, so a crash at
// any point leaves files the game can open. Saves in one folder, from any process or
// machine, run one after another under the folder's lock; waiting for it ends with an
// error after maxWarten.
NeubauErgebnis baueNeu(const QString& hostDir, const EigeneListe& liste,
                       std::chrono::milliseconds maxWarten = std::chrono::minutes(2));

// The saved list takes neu in (see uebernimm) and everything is rebuilt, in one turn of
// the lock, so that two teachers saving at once never hand out a number twice.
NeubauErgebnis speichere(const QString& hostDir, const QList<EigenesWort>& neu,
                         std::chrono::milliseconds maxWarten = std::chrono::minutes(2));

} // namespace zafku::eigene
