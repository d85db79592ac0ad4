#pragma once

#include <QString>

namespace zafku {

// True when the file holds a complete RIFF WAVE header: a "fmt " chunk and a "data" chunk
// whose bytes are all there. The audio back end never finishes loading a truncated file,
// and replacing such a half-loaded cue blocks the caller, so those are not handed on.
bool istVollstaendigesWav(const QString& pfad);

} // namespace zafku
