#pragma once

#include <QString>

namespace zafku {

class AudioOutput;
struct SitzungsDaten;

// Plays the game's sound cues by event name; which file belongs to an event comes from
// the [Sound] section of the host's configuration.
class SoundMod {
  public:
    SoundMod(SitzungsDaten& daten, AudioOutput& ausgabe);

    // All 15 events, each without sound.
    void initSoundTabelle();
    // Reads [Sound] of VOKRA.INI into soundTab; raises LaufzeitFehler when the file
    // cannot be read.
    void ladeSoundTabelle();
    // Silent while sound is switched off, for "<NULL>" and for unknown events.
    void spieleSound(const QString& ereignis);
    // Plays Sound/<basisName>.WAV; silent when the file is missing. Never waits.
    void spieleWav(const QString& basisName);
    // How long the cues started last still sound, in milliseconds.
    qint64 restMs() const;
    void schliessen();

  private:
    SitzungsDaten& daten_;
    AudioOutput& ausgabe_;
};

} // namespace zafku
