#pragma once

#include "StartWahl.h"
#include "glob/SpielBilanz.h"
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
    QString datei;
    int richtig = 0;
    int falsch = 0;
    QStringList zurueck; // words written wrong: they come back tomorrow
    QStringList gelernt; // words that left the box
    // From the game's own account; unknown when the game left none.
    int zafkus = -1;
    int punkte = 0;
};

// One line of the results screen, in the order shown and read aloud.
struct ErgebnisZeile {
    enum Art { Gewinner, Name, Richtig, Zafkus, Zurueck, Gelernt };
    Art art;
    QString text;
    bool operator==(const ErgebnisZeile&) const = default;
};

// Reads each player's new protocol lines into the boxes. Called before a game, so that
// afterwards the game's own lines are read alone. A store that fails raises
// LaufzeitFehler.
QList<KindErgebnis> leseSpieler(kartei::KarteiSpeicher& speicher, bericht::Lehrmaterial& material,
                                const QString& appPfad, const QList<Spieler>& spieler, QDate heute);

// Adds each child's Zafkus and points from the game's own account.
void uebernimm(QList<KindErgebnis>& ergebnisse, const SpielBilanz& bilanz);

// What the results screen shows and reads: the game's winner, then each child.
QList<ErgebnisZeile> ergebnisZeilen(const QList<KindErgebnis>& ergebnisse, const QString& gewinner);

// The words of the box due on heute.
QList<int> faelligeWoerter(const kartei::KindKartei& kartei, QDate heute);

} // namespace zafku::starter
