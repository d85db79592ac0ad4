#pragma once

#include "platform/Clock.h"

// A clock that stands still at the time a test sets.
class FesteUhr : public zafku::Clock {
  public:
    explicit FesteUhr(double sekunden = 0) : sekunden(sekunden) {}
    double secondsSinceMidnight() const override { return sekunden; }
    double monotonicSeconds() const override { return sekunden; }
    QString dateText() const override { return QStringLiteral("06.12.2026"); }
    double sekunden;
};
