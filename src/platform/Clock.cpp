#include "Clock.h"

#include <QDateTime>

namespace zafku {

SystemClock::SystemClock() {
    started_.start();
}

double SystemClock::secondsSinceMidnight() const {
    return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}

double SystemClock::monotonicSeconds() const {
    return started_.nsecsElapsed() / 1e9;
}

QString SystemClock::dateText() const {
    return QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy"));
}

} // namespace zafku
