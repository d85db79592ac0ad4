#pragma once

#include "EigeneDatei.h"
#include "Uebungen.h"

#include <QHash>
#include <QString>
#include <QStringList>

namespace zafku::eigene {

// The shipped exercise blocks of the host's Vokra.kmp.
QList<Block> ladeBloecke(const QString& hostDir, QString& fehler);
// The article of each shipped noun in the host's Vokra-D.mdb.
QHash<QString, QString> gelieferteArtikel(const QString& hostDir);

struct NeubauErgebnis {
    QString fehler; // empty when the host files were replaced
    QStringList angeboten; // keys of the "Eigene Wörter" choices, such as LIE_E
};

// Rebuilds Vokra-D.mdb, Vokra.kmp and Vokra.tsp of the host folder from their shipped
// part plus the teacher's words. Everything is built and checked with the game's own
// reader in a sibling folder first; each file is then replaced in one step, the
// database first, so a crash at any point leaves files the game can open.
NeubauErgebnis baueNeu(const QString& hostDir, const EigeneListe& liste);

} // namespace zafku::eigene
