#pragma once

#include <QElapsedTimer>
#include <QString>

namespace zafku {

class Clock {
  public:
    virtual ~Clock() = default;
    // Seconds since midnight with fractions (the host's timer).
    virtual double secondsSinceMidnight() const = 0;
    // Seconds on a clock that never jumps, for elapsed times.
    virtual double monotonicSeconds() const = 0;
    // Today's date in the short German format, e.g. 06.12.2026.
    virtual QString dateText() const = 0;
};

class SystemClock : public Clock {
  public:
    SystemClock();
    double secondsSinceMidnight() const override;
    double monotonicSeconds() const override;
    QString dateText() const override;

  private:
    QElapsedTimer started_;
};

} // namespace zafku
