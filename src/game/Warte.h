#pragma once

#include <functional>

namespace zafku {

class Clock;

// Waits until the whole-second clock has moved on by at least sekunden, handling no
// input meanwhile; schlafe pauses briefly between two readings.
void warte(int sekunden, const Clock& uhr, const std::function<void()>& schlafe);

} // namespace zafku
