#pragma once

#include "platform/AudioOutput.h"

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
    void close() override;

  private:
    std::array<QSoundEffect*, 4> spieler_{};
    std::size_t naechster_ = 0;
};

} // namespace zafku
