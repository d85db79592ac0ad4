#pragma once

#include <QString>

namespace zafku {

// Plays a WAV file without ever blocking the caller.
class AudioOutput {
  public:
    virtual ~AudioOutput() = default;
    virtual void play(const QString& wavPath) = 0;
    virtual void close() = 0;
    // How long the cues started last still sound, in milliseconds.
    virtual qint64 restMs() const { return 0; }
};

} // namespace zafku
