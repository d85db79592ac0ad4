#pragma once

#include "material/WortDatei.h"
#include "rdb/Kategorie.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace zafku::wortcheck {

// A line of the exercise file as the host gets it, and the source line it came from.
struct KmpZeile {
    QString text;
    QString datei;
    int zeile = 0;
};

// One exercise block, read by the game's reader, and the source line it stands on.
struct Uebung {
    Kategorie kategorie;
    QString datei;
    int zeile = 0;
};

// The lines of every *.kmp in dir, files in name order: the host's Vokra.kmp.
QList<KmpZeile> leseKmpQuellen(const QString& dir, QList<material::QuellFehler>& fehler);

// One block per line. A line that does not hold exactly seven fields is a fault: the
// game reads the blocks as one stream, so it would shift every later block.
QList<Uebung> leseUebungen(const QList<KmpZeile>& zeilen, QList<material::QuellFehler>& fehler);

} // namespace zafku::wortcheck
