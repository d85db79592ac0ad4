#pragma once

#include <functional>

namespace zafku {

class Clock;
class HelpViewer;
class PrtDatei;
class SoundMod;
struct SitzungsDaten;

// Ends the program in its fixed order: end cue, two seconds for it to play, sound
// closed, help windows closed, points offered to the high-score list, settings stored,
// protocol closed, process gone. It never comes back to the caller, however deep in
// modal windows that caller sits.
class ProgrammEnde {
  public:
    ProgrammEnde(SitzungsDaten& daten, SoundMod& sound, const Clock& uhr, HelpViewer& hilfe,
                 PrtDatei& prt);

    void operator()();
    // True from the first step on: a close request meanwhile must not ask again.
    bool laeuft() const { return laeuft_; }

    // The short pause between two clock readings while the end cue plays.
    std::function<void()> schlafe = [] {};
    // Offers the players' points to the high-score list.
    std::function<void()> updateMeister;
    // Stores the settings when the players asked for it.
    std::function<void()> saveVokraIni;
    // Terminates the process; replaced only where the end itself is observed.
    std::function<void()> beende = beendeProzess;

    [[noreturn]] static void beendeProzess();

  private:
    SitzungsDaten& daten_;
    SoundMod& sound_;
    const Clock& uhr_;
    HelpViewer& hilfe_;
    PrtDatei& prt_;
    bool laeuft_ = false;
};

} // namespace zafku
