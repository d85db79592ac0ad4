#pragma once

#include <QString>

#include <optional>

namespace zafku {

// Chunks read before the "data" chunk at most.
constexpr int kMaxWavBloecke = 64;

// True when the file holds a complete RIFF WAVE header: a "fmt " chunk and a "data" chunk
// whose bytes are all there. The audio back end never finishes loading a truncated file,
// and replacing such a half-loaded cue blocks the caller, so those are not handed on.
bool istVollstaendigesWav(const QString& pfad);

// How long a complete WAVE file plays, in milliseconds; nothing for any other file.
std::optional<qint64> wavDauerMs(const QString& pfad);

} // namespace zafku
