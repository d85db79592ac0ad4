#include "LautsprecherKnopf.h"

#include <QPainter>
#include <QPainterPath>

namespace zafku {

LautsprecherKnopf::LautsprecherKnopf(QWidget* parent) : QAbstractButton(parent) {
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_Hover);
}

void LautsprecherKnopf::enterEvent(QEnterEvent* ereignis) {
    update();
    QAbstractButton::enterEvent(ereignis);
}

void LautsprecherKnopf::leaveEvent(QEvent* ereignis) {
    update();
    QAbstractButton::leaveEvent(ereignis);
}

void LautsprecherKnopf::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal d = std::min(width(), height());
    // Everything is laid out on a 24-unit grid in the middle of the button.
    p.translate((width() - d) / 2.0, (height() - d) / 2.0);
    p.scale(d / 24.0, d / 24.0);

    const bool gedrueckt = isDown();
    const QColor blau(0, 0, 255);
    const QColor grund = !isEnabled()   ? QColor(225, 225, 225)
                         : gedrueckt    ? QColor(255, 215, 90)
                         : underMouse() ? QColor(255, 245, 190)
                                        : QColor(255, 240, 150);
    p.setPen(QPen(isEnabled() ? blau : QColor(150, 150, 150), 1.2));
    p.setBrush(grund);
    p.drawEllipse(QRectF(0.8, 0.8, 22.4, 22.4));

    const QColor strich = isEnabled() ? blau : QColor(150, 150, 150);
    QPainterPath koerper;
    koerper.moveTo(5.0, 9.5);
    koerper.lineTo(8.5, 9.5);
    koerper.lineTo(13.0, 5.5);
    koerper.lineTo(13.0, 18.5);
    koerper.lineTo(8.5, 14.5);
    koerper.lineTo(5.0, 14.5);
    koerper.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(strich);
    p.drawPath(koerper);

    // Two sound waves.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(strich, 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(11.0, 8.5, 7.0, 7.0), -50 * 16, 100 * 16);
    p.drawArc(QRectF(9.0, 6.5, 11.0, 11.0), -55 * 16, 110 * 16);
}

} // namespace zafku
