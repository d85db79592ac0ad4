#include "ZeitBild.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace zafku {

namespace {

QPixmap leeresBild(QSize groesse, qreal ratio) {
    QPixmap bild(groesse * ratio);
    bild.setDevicePixelRatio(ratio);
    bild.fill(Qt::transparent);
    return bild;
}

// Direction of the needle for gauge value t, in screen coordinates (y down).
QPointF richtung(double t) {
    const double a = (t / 1000.0 * 264 - 42) * M_PI / 180;
    return {-std::cos(a), -std::sin(a)};
}

} // namespace

QPixmap vuSkalaBild(bool ein, int groesse, qreal pixelRatio) {
    QPixmap bild = leeresBild(QSize(groesse, groesse), pixelRatio);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    const double s = groesse;
    const QPointF m(s / 2, s / 2);
    const QColor rand = ein ? QColor(40, 110, 40) : QColor(95, 95, 95);
    const QColor ring = ein ? QColor(40, 170, 60) : QColor(150, 150, 150);
    const QColor hell = ein ? QColor(255, 248, 170) : QColor(238, 238, 238);
    const QColor flaeche = ein ? QColor(255, 214, 40) : QColor(196, 196, 196);

    // Face with a soft highlight at the top left.
    QRadialGradient glanz(m - QPointF(s * 0.15, s * 0.18), s * 0.62);
    glanz.setColorAt(0, hell);
    glanz.setColorAt(1, flaeche);
    p.setPen(QPen(rand, s / 36));
    p.setBrush(glanz);
    p.drawEllipse(m, s / 2 - s / 40, s / 2 - s / 40);

    // The ring: a thick arc along the needle's sweep, open at the bottom.
    const double rRing = s * 0.38;
    QPen bogen(ring, s * 0.09, Qt::SolidLine, Qt::FlatCap);
    p.setPen(bogen);
    p.setBrush(Qt::NoBrush);
    // Qt angles run counter-clockwise from three o'clock; the sweep starts at the
    // lower left (222 degrees) and runs clockwise over 264 degrees.
    p.drawArc(QRectF(m.x() - rRing, m.y() - rRing, 2 * rRing, 2 * rRing), 222 * 16, -264 * 16);

    // One tick a second, a long one every five.
    for (int sek = 0; sek <= 20; ++sek) {
        const QPointF r = richtung(sek * 50);
        const bool lang = sek % 5 == 0;
        const double innen = lang ? s * 0.29 : s * 0.33;
        const double aussen = s * 0.43;
        p.setPen(QPen(lang ? rand.darker(130) : rand, lang ? s / 30 : s / 55, Qt::SolidLine,
                      Qt::RoundCap));
        p.drawLine(m + r * innen, m + r * aussen);
    }

    // The unit mark in the opening at the bottom.
    QFont schrift(QStringLiteral("Sans Serif"));
    schrift.setStyleHint(QFont::SansSerif);
    schrift.setPixelSize(std::max(6, static_cast<int>(s * 0.17)));
    schrift.setBold(true);
    p.setFont(schrift);
    p.setPen(rand);
    p.drawText(QRectF(0, s * 0.68, s, s * 0.22), Qt::AlignCenter, QStringLiteral("s"));
    return bild;
}

QPixmap roehrenBild(QSize groesse, QRectF balken, qreal pixelRatio) {
    QPixmap bild = leeresBild(groesse, pixelRatio);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    const double mitte = balken.center().x();
    const double halb = balken.width() / 2 + 3;
    const double kugel = std::min(groesse.height() - balken.bottom(), mitte) - 1.5;
    const QPointF kugelMitte(mitte, groesse.height() - kugel - 1.5);

    // Glass: the tube and the bulb as one outline.
    QPainterPath glas;
    glas.addRoundedRect(QRectF(mitte - halb, 1.5, 2 * halb, kugelMitte.y()), halb, halb);
    glas.addEllipse(kugelMitte, kugel, kugel);
    glas = glas.simplified();
    QLinearGradient glanz(mitte - kugel, 0, mitte + kugel, 0);
    glanz.setColorAt(0, QColor(200, 225, 245));
    glanz.setColorAt(0.35, QColor(250, 253, 255));
    glanz.setColorAt(1, QColor(170, 195, 220));
    p.setPen(QPen(QColor(90, 120, 150), 1.2));
    p.setBrush(glanz);
    p.drawPath(glas);

    // The bulb holds the bar's green, so the bar seems to rise out of it.
    QRadialGradient gruen(kugelMitte - QPointF(kugel * 0.35, kugel * 0.35), kugel * 1.2);
    gruen.setColorAt(0, QColor(170, 240, 150));
    gruen.setColorAt(0.5, QColor(40, 180, 60));
    gruen.setColorAt(1, QColor(10, 100, 30));
    p.setPen(Qt::NoPen);
    p.setBrush(gruen);
    p.drawEllipse(kugelMitte, kugel - 3, kugel - 3);
    p.drawRect(QRectF(balken.left(), balken.bottom() - 1, balken.width(),
                      kugelMitte.y() - balken.bottom() + 1));
    p.setBrush(QColor(255, 255, 255, 170));
    p.drawEllipse(kugelMitte - QPointF(kugel * 0.4, kugel * 0.4), kugel * 0.25, kugel * 0.18);

    // A scale to the right of the tube, ten steps over the bar's length.
    p.setPen(QPen(QColor(60, 80, 110), 1));
    const double x = mitte + halb + 2;
    for (int i = 0; i <= 10; ++i) {
        const double y = balken.top() + balken.height() * i / 10.0;
        p.drawLine(QPointF(x, y), QPointF(x + (i % 5 == 0 ? 7 : 4), y));
    }
    return bild;
}

QPixmap balkenBild(qreal pixelRatio) {
    QPixmap bild = leeresBild(QSize(5, 301), pixelRatio);
    QPainter p(&bild);
    // Light at the top, deep green at the bottom, rounded across like a liquid column.
    QLinearGradient hoch(0, 0, 0, 301);
    hoch.setColorAt(0, QColor(120, 230, 90));
    hoch.setColorAt(1, QColor(20, 150, 45));
    p.fillRect(QRectF(0, 0, 5, 301), hoch);
    QLinearGradient quer(0, 0, 5, 0);
    quer.setColorAt(0, QColor(0, 0, 0, 50));
    quer.setColorAt(0.4, QColor(255, 255, 255, 90));
    quer.setColorAt(1, QColor(0, 0, 0, 70));
    p.fillRect(QRectF(0, 0, 5, 301), quer);
    return bild;
}

} // namespace zafku
