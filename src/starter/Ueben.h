#pragma once

#include <functional>

#include "StartWahl.h"

class QWidget;

namespace zafku {
class Sprachausgabe;
}

namespace zafku::starter {

// Starts the game from folder ordner with the launch block and waits for its end, the
// windows staying alive; false with a German text in *fehler when it does not start.
bool spieleUndWarte(const QString& ordner, const QString& block, QString* fehler);

// Reads the players' lines written before a game into their boxes, so that afterwards
// the game's own lines are read alone, and drops an account an earlier game left in the
// User folder of ordner, the folder the game runs in. A failing store is named after the
// game.
void leseVorDemSpiel(const QString& appPfad, const QString& ordner, const QList<Spieler>& spieler);
class ErgebnisFrm;
// After a game run in ordner: reads the players' new lines into their boxes and the game's
// account of points, Zafkus and winner; the results screen, not yet shown, or nullptr with
// the reason in *fehler.
ErgebnisFrm* ergebnisFenster(QWidget* eltern, const QString& appPfad, const QString& ordner,
                             const QList<Spieler>& spieler, Sprachausgabe* sprache,
                             QString* fehler);

// Reads the players' lines before a game, runs it, calls nachDemSpiel and shows their
// results. false after a message when it cannot start.
bool spieleMitErgebnis(QWidget* eltern, const QString& appPfad, const QString& ordner,
                       const QString& block, const QList<Spieler>& spieler, Sprachausgabe* sprache,
                       const std::function<void()>& nachDemSpiel = {});

// The practice game of one child: its due words as one exercise in a folder of its own,
// then the results. false after a message when there is nothing due or it cannot start.
bool uebe(QWidget* eltern, const QString& appPfad, const Spieler& kind, Sprachausgabe* sprache);

} // namespace zafku::starter
