#pragma once

#include "platform/AudioOutput.h"

// Audio that plays nothing, for runs that only need a SoundMod to exist.
class StummeAusgabe : public zafku::AudioOutput {
  public:
    void play(const QString&) override {}
    void close() override {}
};
