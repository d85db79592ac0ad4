#include "RandomSource.h"

#include <bit>

namespace zafku {
namespace {

std::uint64_t splitMix(std::uint64_t& state) {
    std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

} // namespace

SystemRandomSource::SystemRandomSource(std::uint64_t seed) : state_(seed) {}

void SystemRandomSource::reseed(double timerValue) {
    state_ ^= std::bit_cast<std::uint64_t>(timerValue);
    splitMix(state_);
}

float SystemRandomSource::next() {
    // 24 bits fill a float's mantissa exactly, so the result stays below 1.
    return static_cast<float>(splitMix(state_) >> 40) / 16777216.0f;
}

} // namespace zafku
