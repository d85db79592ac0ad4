#pragma once

#include "VuMeter.h"

namespace zafku {

// What the two time limits ask of the main window: the dial, the play-time bar, their
// timers and the program end.
class ZeitAnzeige {
  public:
    virtual ~ZeitAnzeige() = default;

    virtual void zeigeVuZeiger(const VuLinie& linie) = 0;
    // The coloured face while the guess time is limited, the grey one otherwise.
    virtual void zeigeVuSkala(bool ein) = 0;
    virtual void zeigeRestZeitStand(const RestZeitStand& stand) = 0;
    virtual void restZeitTimer(bool laeuft) = 0;
    virtual void energTimer(bool laeuft) = 0;
    // Ends the process; does not come back in the program.
    virtual void programmEnde() = 0;
};

} // namespace zafku
