#include "Warte.h"

#include "platform/Clock.h"

#include <cmath>

namespace zafku {

void warte(int sekunden, const Clock& uhr, const std::function<void()>& schlafe) {
    const long start = std::lround(uhr.monotonicSeconds());
    while (std::lround(uhr.monotonicSeconds()) - start < sekunden)
        schlafe();
}

} // namespace zafku
