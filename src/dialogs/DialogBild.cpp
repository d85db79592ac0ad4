#include "DialogBild.h"

#include "BildLabel.h"
#include "Twips.h"

#include <QLabel>
#include <QPainter>
#include <QPainterPath>

namespace zafku {

namespace {

constexpr int kSeite = 45;
// The drawing keeps a margin inside the picture, so a one-line message's buttons, which
// start just below the frame, do not touch it.
constexpr double kRand = 3.5;

void zeichneZeichen(QPainter& p, const QColor& grund, const QString& zeichen) {
    p.setBrush(grund);
    p.setPen(QPen(grund.darker(140), 2));
    p.drawEllipse(QRectF(kRand, kRand, kSeite - 2 * kRand, kSeite - 2 * kRand));
    QFont schrift = p.font();
    schrift.setBold(true);
    schrift.setPixelSize(26);
    p.setFont(schrift);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 0, kSeite, kSeite), Qt::AlignCenter, zeichen);
}

void zeichneSprechblase(QPainter& p) {
    QPainterPath blase;
    blase.addRoundedRect(QRectF(kRand, 6, kSeite - 2 * kRand, 26), 11, 11);
    QPainterPath spitze;
    spitze.moveTo(12, 29);
    spitze.lineTo(9, 41);
    spitze.lineTo(22, 30);
    p.setPen(QPen(QColor(40, 120, 170), 2));
    p.setBrush(QColor(150, 215, 245));
    p.drawPath(blase.united(spitze));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    for (const double x : {14.0, 22.5, 31.0})
        p.drawEllipse(QPointF(x, 19), 3, 3);
}

void zeichneGluehbirne(QPainter& p) {
    // Glass, then socket, then a few rays so it reads as "idea" at a glance.
    p.setPen(QPen(QColor(190, 140, 0), 2));
    p.setBrush(QColor(255, 225, 60));
    p.drawEllipse(QRectF(11, 5, 23, 23));
    QPainterPath hals;
    hals.moveTo(16, 25);
    hals.lineTo(29, 25);
    hals.lineTo(27, 32);
    hals.lineTo(18, 32);
    hals.closeSubpath();
    p.drawPath(hals);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 120, 130));
    p.drawRoundedRect(QRectF(17, 32, 11, 8), 2, 2);
    p.setPen(QPen(QColor(255, 170, 0), 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(4, 16), QPointF(8, 16));
    p.drawLine(QPointF(37, 16), QPointF(41, 16));
    p.drawLine(QPointF(7, 5), QPointF(10, 8));
    p.drawLine(QPointF(38, 5), QPointF(35, 8));
}

void zeichneComputer(QPainter& p) {
    // Screen, stand and a question mark: the computer is thinking.
    p.setPen(QPen(QColor(70, 70, 80), 2));
    p.setBrush(QColor(200, 200, 210));
    p.drawRoundedRect(QRectF(5, 6, 35, 26), 3, 3);
    p.setBrush(QColor(120, 190, 255));
    p.drawRect(QRectF(9, 10, 27, 18));
    p.setBrush(QColor(70, 70, 80));
    p.drawRect(QRectF(19, 32, 7, 4));
    p.drawRoundedRect(QRectF(12, 36, 21, 4), 2, 2);
    QFont schrift = p.font();
    schrift.setBold(true);
    schrift.setPixelSize(16);
    p.setFont(schrift);
    p.setPen(Qt::white);
    p.drawText(QRectF(9, 10, 27, 18), Qt::AlignCenter, QStringLiteral("?"));
}

} // namespace

QPixmap zeichneDialogBild(DialogBild art, int seite, qreal pixelRatio) {
    QPixmap bild(QSize(seite, seite) * pixelRatio);
    bild.setDevicePixelRatio(pixelRatio);
    bild.fill(Qt::transparent);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    // Drawn in the designed 45 pixels and scaled as vectors.
    p.scale(static_cast<double>(seite) / kSeite, static_cast<double>(seite) / kSeite);
    switch (art) {
    case DialogBild::Sprechblase:
        zeichneSprechblase(p);
        break;
    case DialogBild::Frage:
        zeichneZeichen(p, QColor(60, 140, 230), QStringLiteral("?"));
        break;
    case DialogBild::Gluehbirne:
        zeichneGluehbirne(p);
        break;
    case DialogBild::Computer:
        zeichneComputer(p);
        break;
    }
    return bild;
}

QLabel* erzeugeBildLabel(QWidget* dialog, DialogBild art, int links, int oben) {
    auto* bild = new BildLabel(dialog);
    bild->setObjectName(QStringLiteral("Image1"));
    bild->setGeometry(twips(links), twips(oben), twips(kSeite * 15), twips(kSeite * 15));
    bild->setzeMaler([art](QSize groesse, qreal pixelRatio) {
        return zeichneDialogBild(art, std::min(groesse.width(), groesse.height()), pixelRatio);
    });
    return bild;
}

} // namespace zafku
