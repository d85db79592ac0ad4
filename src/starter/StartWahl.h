#pragma once

#include "bericht/Kategorienliste.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace zafku::starter {

// The game has room for this many named players.
constexpr int maxSpieler = 4;

struct Spieler {
    QString name;
    QString datei; // protocol file base name in User/
};

// A protocol file base name from a child's name: lower case, umlauts and ß spelled out,
// only a-z, 0-9 and "_"; "kind" when nothing usable is left.
QString dateiNameAus(const QString& name);

// basis, or basis with 2, 3, ... appended when that is already taken.
QString eindeutig(const QString& basis, const QStringList& vergeben);

// A German message for a choice the game would refuse, "" when it can be started.
QString pruefeWahl(const QString& code, const QList<Spieler>& spieler);

// The launch block for the game, with its delimiter characters.
QString startBlock(const QString& code, const QList<Spieler>& spieler);

// Whether a category fits the typed text: every word of it (punctuation ignored) occurs
// in the title, the code or the group heading, ignoring case.
bool passtZuFilter(const bericht::TspEintrag& kategorie, const QString& gruppe,
                   const QString& filter);

} // namespace zafku::starter
