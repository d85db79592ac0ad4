#include "KartenSlot.h"

#include "dialogs/Twips.h"

#include <QPainter>

namespace zafku {

const KartenSlot::Geometrie KartenSlot::gross = {
    1890, 2910, 2400, {2220, 2595, 2985, 3360, 3735}, {3285, 3660, 4035, 4425, 4800}, 405};
const KartenSlot::Geometrie KartenSlot::klein = {
    120, 270, 1125, {300, 465, 645, 810, 975}, {465, 630, 795, 945, 1110}, 195};

KartenSlot::KartenSlot(const Geometrie& geometrie, QWidget* parent)
    : QWidget(parent), g_(geometrie) {
    felder_.fill(Farbe{255, 255, 255});
    setGeometry(twips(g_.bildLinks), twips(g_.bildOben), twips(g_.bildGroesse),
                twips(g_.bildGroesse));
}

KartenRaster KartenSlot::raster(const Geometrie& g) {
    // At 96 dpi 15 twips make one pixel.
    KartenRaster r{g.bildGroesse / 15, {}, {}, g.feldGroesse / 15};
    for (int i = 0; i < 5; ++i) {
        r.spalten[i] = (g.spalten[i] - g.bildLinks) / 15;
        r.zeilen[i] = (g.zeilen[i] - g.bildOben) / 15;
    }
    return r;
}

void KartenSlot::setzeBild(int index) {
    if (bilder_[index].isNull())
        bilder_[index] =
            kartenBild(index, raster(g_), devicePixelRatioF() * width() / raster(g_).groesse);
    bild_ = index;
    update();
}

void KartenSlot::resizeEvent(QResizeEvent*) {
    bilder_ = {};
    if (bild_ >= 0)
        setzeBild(bild_);
}

QRect KartenSlot::feldRechteck(int feld) const {
    const int zeile = (feld - 1) / 5;
    const int spalte = (feld - 1) % 5;
    return QRect(twips(g_.spalten[spalte] - g_.bildLinks), twips(g_.zeilen[zeile] - g_.bildOben),
                 twips(g_.feldGroesse), twips(g_.feldGroesse));
}

void KartenSlot::faerbeFeld(int feld, Farbe farbe) {
    felder_[feld - 1] = farbe;
    repaint(feldRechteck(feld).adjusted(-1, -1, 1, 1));
}

void KartenSlot::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (bild_ >= 0) {
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(rect(), bilder_[bild_]);
    }
    p.setPen(palette().color(QPalette::WindowText));
    for (int feld = 1; feld <= 25; ++feld) {
        const Farbe& f = felder_[feld - 1];
        p.setBrush(QColor(f.rot, f.gruen, f.blau));
        p.drawRect(feldRechteck(feld).adjusted(0, 0, -1, -1));
    }
}

} // namespace zafku
