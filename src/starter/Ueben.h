#pragma once

#include <functional>

#include "StartWahl.h"

class QWidget;

namespace zafku::starter {

// Starts the game from folder ordner with the launch block and waits for its end, the
// windows staying alive; false with a German text in *fehler when it does not start.
bool spieleUndWarte(const QString& ordner, const QString& block, QString* fehler);

// Reads the players' lines written before a game into their boxes, so that afterwards
// the game's own lines are read alone. A failing store is named after the game.
void leseVorDemSpiel(const QString& appPfad, const QList<Spieler>& spieler);
class ErgebnisFrm;
// After a game: reads the players' new lines into their boxes; the results screen, not
// yet shown, or nullptr with the reason in *fehler.
ErgebnisFrm* ergebnisFenster(QWidget* eltern, const QString& appPfad, const QList<Spieler>& spieler,
                             QString* fehler);

// Reads the players' lines before a game, runs it, calls nachDemSpiel and shows their
// results. false after a message when it cannot start.
bool spieleMitErgebnis(QWidget* eltern, const QString& appPfad, const QString& ordner,
                       const QString& block, const QList<Spieler>& spieler,
                       const std::function<void()>& nachDemSpiel = {});

// The practice game of one child: its due words as one exercise in a folder of its own,
// then the results. false after a message when there is nothing due or it cannot start.
bool uebe(QWidget* eltern, const QString& appPfad, const Spieler& kind);

} // namespace zafku::starter
