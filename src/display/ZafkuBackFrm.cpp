#include "ZafkuBackFrm.h"

#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>

namespace zafku {

ZafkuBackFrm::ZafkuBackFrm(QWidget* parent) : QWidget(parent) {
    setWindowTitle(QStringLiteral("Zafku"));
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        setGeometry(screen->availableGeometry());
}

void ZafkuBackFrm::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QLinearGradient verlauf(0, 0, 0, height());
    verlauf.setColorAt(0, QColor(120, 180, 235));
    verlauf.setColorAt(1, QColor(200, 230, 255));
    p.fillRect(rect(), verlauf);
}

} // namespace zafku
