#include "TextBreite.h"

#include "dialogs/Twips.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QScreen>

#include <cmath>

namespace zafku {

QFont aufgabenSchrift(bool gross) {
    QFont schrift(QStringLiteral("Arial"));
    schrift.setPointSizeF(punkte(gross ? 21.75 : 12.0));
    schrift.setBold(true);
    return schrift;
}

int textBreite(const QString& text, int von, int bis, bool gross) {
    if (bis < von)
        return 0;
    const QString teil = text.mid(von - 1, bis - von + 1);
    const QFontMetricsF metrik(aufgabenSchrift(gross));
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInch() : 96.0;
    return static_cast<int>(std::nearbyint(metrik.horizontalAdvance(teil) * 1440.0 / (dpi * massstab())));
}

} // namespace zafku
