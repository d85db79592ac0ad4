#include "Twips.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

namespace zafku {

namespace {

double logischeDpi() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInch() : 96.0;
}

} // namespace

int twips(int t) {
    return static_cast<int>(std::lround(t * logischeDpi() / 1440.0));
}

int pixelInTwips(int px) {
    return static_cast<int>(std::lround(px * 1440.0 / logischeDpi()));
}

} // namespace zafku
