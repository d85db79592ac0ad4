#pragma once

#include "StartWahl.h"
#include "kartei/KarteiSpeicher.h"

#include <QDate>
#include <QStringList>

namespace zafku::bericht {
class Lehrmaterial;
}

namespace zafku::starter {

// What one child did in the game just played, from its new protocol lines.
struct KindErgebnis {
    QString name;
    int richtig = 0;
    int falsch = 0;
    QStringList zurueck; // words written wrong: they come back tomorrow
    QStringList gelernt; // words that left the box
};

// Reads each player's new protocol lines into the boxes. Called before a game, so that
// afterwards the game's own lines are read alone. A store that fails raises
// LaufzeitFehler.
QList<KindErgebnis> leseSpieler(kartei::KarteiSpeicher& speicher, bericht::Lehrmaterial& material,
                                const QString& appPfad, const QList<Spieler>& spieler, QDate heute);

// The name of the player with the most right answers when several played and one leads.
QString gewinner(const QList<KindErgebnis>& ergebnisse);

// The words of the box due on heute.
QList<int> faelligeWoerter(const kartei::KindKartei& kartei, QDate heute);

} // namespace zafku::starter
