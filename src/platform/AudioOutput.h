#pragma once

#include <QString>

namespace zafku {

// Plays a WAV file without ever blocking the caller.
class AudioOutput {
  public:
    virtual ~AudioOutput() = default;
    virtual void play(const QString& wavPath) = 0;
    virtual void close() = 0;
};

} // namespace zafku
