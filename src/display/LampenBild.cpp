#include "LampenBild.h"

#include <QPainter>
#include <QRadialGradient>

#include <algorithm>

namespace zafku {

QPixmap lampenBild(LampenFarbe farbe, QSize groesse, qreal pixelRatio) {
    constexpr int kGroesse = 26;
    QColor kern;
    switch (farbe) {
    case LampenFarbe::Rot:
        kern = QColor(235, 30, 30);
        break;
    case LampenFarbe::Gelb:
        kern = QColor(255, 215, 0);
        break;
    case LampenFarbe::Gruen:
        kern = QColor(30, 200, 60);
        break;
    case LampenFarbe::Aus:
        kern = QColor(90, 90, 90);
        break;
    }
    QPixmap bild(groesse * pixelRatio);
    bild.setDevicePixelRatio(pixelRatio);
    bild.fill(Qt::transparent);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    // Drawn in the designed 26 pixels, scaled as vectors so the lamp stays sharp.
    const double seite = std::min(groesse.width(), groesse.height());
    p.translate((groesse.width() - seite) / 2, (groesse.height() - seite) / 2);
    p.scale(seite / kGroesse, seite / kGroesse);
    QRadialGradient glanz(QPointF(9, 8), 16);
    glanz.setColorAt(0, kern.lighter(farbe == LampenFarbe::Aus ? 140 : 175));
    glanz.setColorAt(0.6, kern);
    glanz.setColorAt(1, kern.darker(170));
    p.setBrush(glanz);
    p.setPen(QPen(QColor(40, 40, 40), 1));
    p.drawEllipse(QRectF(1.5, 1.5, kGroesse - 3, kGroesse - 3));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, farbe == LampenFarbe::Aus ? 60 : 150));
    p.drawEllipse(QRectF(6, 4.5, 8, 5));
    return bild;
}

} // namespace zafku
