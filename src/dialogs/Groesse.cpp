#include "Groesse.h"

#include <QSettings>

#include <algorithm>
#include <cmath>

namespace zafku {

namespace {

QSettings einstellungen() {
    return QSettings(QStringLiteral("Zafku"), QStringLiteral("Zafku"));
}

const QString kSchluessel = QStringLiteral("Fenster/Groesse");

} // namespace

const std::vector<double>& groessenStufen() {
    static const std::vector<double> stufen = {1.0, 1.25, 1.5, 1.75, 2.0, 2.5, 3.0};
    return stufen;
}

double passenderMassstab(QSize fenster, QSize platz, double anteil) {
    if (fenster.isEmpty() || platz.isEmpty())
        return 1.0;
    const double f = std::min(anteil * platz.width() / fenster.width(),
                              anteil * platz.height() / fenster.height());
    // Whole hundredths, so the window never ends a pixel beyond its share.
    return std::max(1.0, std::floor(f * 100.0) / 100.0);
}

double fensterMassstab(QSize entwurf, QSize platz, double gewaehlt, double anteil) {
    return gewaehlt > 0 ? std::min(gewaehlt, passenderMassstab(entwurf, platz, 1.0))
                        : passenderMassstab(entwurf, platz, anteil);
}

double naechsteStufe(double faktor, int richtung, double hoechster) {
    const auto& stufen = groessenStufen();
    constexpr double kEpsilon = 1e-6;
    if (richtung > 0) {
        const auto it = std::find_if(stufen.begin(), stufen.end(),
                                     [&](double s) { return s > faktor + kEpsilon; });
        return it != stufen.end() && *it <= hoechster + kEpsilon ? *it : faktor;
    }
    const auto it = std::find_if(stufen.rbegin(), stufen.rend(),
                                 [&](double s) { return s < faktor - kEpsilon; });
    return it != stufen.rend() ? *it : faktor;
}

double gewaehlteGroesse() {
    const double f = einstellungen().value(kSchluessel, 0.0).toDouble();
    return f >= 1.0 ? f : 0.0;
}

void merkeGroesse(double faktor) {
    QSettings s = einstellungen();
    if (faktor >= 1.0)
        s.setValue(kSchluessel, faktor);
    else
        s.remove(kSchluessel);
}

} // namespace zafku
