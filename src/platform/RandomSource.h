#pragma once

#include <cstdint>

namespace zafku {

// Uniform numbers in [0, 1), re-seeded from the timer before every draw.
class RandomSource {
  public:
    virtual ~RandomSource() = default;
    virtual void reseed(double timerValue) = 0;
    virtual float next() = 0;
};

// Mixes the timer value into a running state rather than replacing it, so two draws
// within one timer tick still differ.
class SystemRandomSource : public RandomSource {
  public:
    explicit SystemRandomSource(std::uint64_t seed);
    void reseed(double timerValue) override;
    float next() override;

  private:
    std::uint64_t state_;
};

} // namespace zafku
