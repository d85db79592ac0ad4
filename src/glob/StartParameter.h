#pragma once

#include <QString>

namespace zafku {

struct SitzungsDaten;

// Receives each player's name while the launch block is parsed (the game-state dialog
// shows the names and their points from then on).
class SpielerAnzeige {
  public:
    virtual ~SpielerAnzeige() = default;
    virtual void spielerGelesen(int index, const QString& name) = 0;
};

// The text after the first "=" of an item; "" when there is none.
QString wertNachGleich(const QString& item);

// Parses the launch block into daten. False when the host version is not 4, and for a
// block the game cannot serve: more than 4 players, a name or file item without its
// ";", or a file name that could leave the user folder.
bool leseStartParameter(const QString& kommandozeile, SitzungsDaten& daten,
                        SpielerAnzeige* anzeige);

} // namespace zafku
