#include "Twips.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <cmath>

namespace zafku {

namespace {

double faktor_ = 1.0;

double pixelProTwip() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return (screen ? screen->logicalDotsPerInch() : 96.0) * faktor_ / 1440.0;
}

} // namespace

int twips(int t) {
    return static_cast<int>(std::lround(t * pixelProTwip()));
}

QRect twips(int links, int oben, int breite, int hoehe) {
    return QRect(twips(links), twips(oben), twips(breite), twips(hoehe));
}

int pixelInTwips(int px) {
    return static_cast<int>(std::lround(px / pixelProTwip()));
}

double punkte(double designPunkte) {
    return designPunkte * faktor_;
}

double massstab() {
    return faktor_;
}

void setzeMassstab(double faktor) {
    faktor_ = std::max(1.0, faktor);
}

} // namespace zafku
