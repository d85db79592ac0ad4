#pragma once

#include "material/WortDatei.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace zafku::wortcheck {

// Where a spot starts: at a fixed character (absolute) or n after the marker's position.
struct LupRegel {
    bool absolut = false;
    int zahl = 0;
    int start(int vonPos) const { return absolut ? zahl : vonPos + zahl; }
};

struct SchreibPaar {
    QString s1;
    QString s2;
};

// One exercise block of a kmp source; datei/zeile say where it stands.
struct Uebung {
    QString kennung;
    QString kriterium1;
    QStringList kategorienListe;
    QString kriterium2;
    LupRegel regel1;
    LupRegel regel2;
    QList<SchreibPaar> paare;
    QString titel;
    QString datei;
    int zeile = 0;
};

// Items of a comma-separated list up to the first empty one, as the game reads them.
QStringList listenEintraege(const QString& liste);

// "R1:R2"; false when the field holds no colon.
bool parseLupRegeln(const QString& feld, LupRegel& regel1, LupRegel& regel2);

// "s1:s2,s1:s2"; an item without a colon joins the next pair's s1, as in the game.
QList<SchreibPaar> parseSchreibPaare(const QString& feld);

// One block per line; a line that does not hold exactly seven fields is a fault,
// because the game reads the blocks as one stream and would shift every later block.
QList<Uebung> parseKmp(const QString& text, const QString& datei,
                       QList<material::QuellFehler>& fehler);

// The category codes of a category list, headings left out; index + 1 is the number.
QStringList parseKategorien(const QString& text);

} // namespace zafku::wortcheck
