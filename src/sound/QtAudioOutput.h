#pragma once

#include "platform/AudioOutput.h"

#include <QElapsedTimer>
#include <QObject>

#include <array>

class QSoundEffect;

namespace zafku {

// Fire-and-forget WAV playback. A few players take turns so that a new cue can start
// while the previous one still sounds; a file that cannot be played stays silent.
class QtAudioOutput : public QObject, public AudioOutput {
    Q_OBJECT
  public:
    explicit QtAudioOutput(QObject* parent = nullptr);

    void play(const QString& wavPath) override;
    // Lets the cues that still sound play on for restMs(), then closes the device.
    void close() override;
    // How long the cues still sound, but never more than a second: the program end
    // must not wait on a long cue.
    qint64 restMs() const override;

  private:
    struct Stimme {
        QSoundEffect* effekt = nullptr;
        qint64 endeMs = 0; // on uhr_, when the cue will have finished
    };
    std::array<Stimme, 4> stimmen_{};
    std::size_t naechste_ = 0;
    QElapsedTimer uhr_;
};

} // namespace zafku
