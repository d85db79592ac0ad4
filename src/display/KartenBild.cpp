#include "KartenBild.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace zafku {

namespace {

struct Stil {
    QColor oben, unten, rahmen, schrift;
};

Stil stilFuer(int index) {
    switch (index) {
    case 0:
        return {QColor(255, 236, 90), QColor(255, 150, 40), QColor(200, 30, 30),
                QColor(200, 30, 30)};
    case 1:
        return {QColor(215, 255, 205), QColor(150, 230, 150), QColor(30, 60, 200),
                QColor(30, 60, 200)};
    case 2:
        return {QColor(255, 215, 235), QColor(245, 160, 205), QColor(70, 20, 70),
                QColor(120, 20, 130)};
    case 3:
        return {QColor(210, 235, 255), QColor(140, 195, 245), QColor(40, 80, 140), QColor(0, 0, 0)};
    default:
        return {QColor(200, 200, 200), QColor(160, 160, 160), QColor(120, 120, 120),
                QColor(255, 255, 255)};
    }
}

} // namespace

QImage kartenBild(int index, const KartenRaster& r, qreal pixelRatio) {
    const Stil stil = stilFuer(index);
    const int g = r.groesse;
    const double massstab = g / 160.0;
    QImage bild(QSize(g, g) * pixelRatio, QImage::Format_ARGB32_Premultiplied);
    bild.setDevicePixelRatio(pixelRatio);
    bild.fill(Qt::transparent);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);

    QPainterPath rand;
    rand.addRoundedRect(QRectF(1, 1, g - 2, g - 2), 12 * massstab, 12 * massstab);
    QLinearGradient verlauf(0, 0, 0, g);
    verlauf.setColorAt(0, stil.oben);
    verlauf.setColorAt(1, stil.unten);
    p.fillPath(rand, verlauf);
    p.setPen(QPen(stil.rahmen, std::max(1.5, 3 * massstab)));
    p.drawPath(rand);

    // The grid behind the field squares, a little larger than the squares.
    p.setPen(QPen(stil.rahmen.lighter(130), 1));
    p.setBrush(QColor(255, 255, 255, 90));
    const double rand2 = 2.5 * massstab;
    p.drawRect(QRectF(r.spalten[0] - rand2, r.zeilen[0] - rand2,
                      r.spalten[4] + r.feld - r.spalten[0] + 2 * rand2,
                      r.zeilen[4] + r.feld - r.zeilen[0] + 2 * rand2));

    QFont schrift(QStringLiteral("Arial"));
    schrift.setBold(true);
    schrift.setPixelSize(std::max(7, static_cast<int>(17 * massstab + 0.5)));
    p.setFont(schrift);
    p.setPen(stil.schrift);
    static const QString buchstaben = QStringLiteral("ZAFKU");
    for (int i = 0; i < 5; ++i) {
        p.drawText(QRectF(r.spalten[i], 2 * massstab, r.feld, r.zeilen[0] - 3 * massstab),
                   Qt::AlignCenter, buchstaben.mid(i, 1));
        p.drawText(QRectF(3 * massstab, r.zeilen[i], r.spalten[0] - 4 * massstab, r.feld),
                   Qt::AlignCenter, QString::number(i + 1));
    }
    return bild;
}

} // namespace zafku
