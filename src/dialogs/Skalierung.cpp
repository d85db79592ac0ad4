#include "Skalierung.h"

#include "Groesse.h"
#include "Twips.h"

#include <QApplication>
#include <QLayout>
#include <QProxyStyle>
#include <QScreen>
#include <QWidget>

#include <cmath>

namespace zafku {

namespace {

// Where a control stands at factor 1, kept so that repeated changes do not gather
// rounding errors, and the place last given to it, to notice when the window moved it.
const char* const kBasis = "zafkuBasis";
const char* const kOrt = "zafkuOrt";
const char* const kFestBasis = "zafkuFestBasis";
const char* const kFest = "zafkuFest";

int mal(double wert, double faktor) {
    return static_cast<int>(std::lround(wert * faktor));
}

QRectF basis(QWidget* w, const char* basisName, const char* ortName, QRect jetzt, double alt) {
    const QVariant ort = w->property(ortName);
    if (ort.isValid() && ort.toRect() == jetzt)
        return w->property(basisName).toRectF();
    return QRectF(jetzt.x() / alt, jetzt.y() / alt, jetzt.width() / alt, jetzt.height() / alt);
}

QRect skaliert(const QRectF& b, double neu) {
    return QRect(mal(b.x(), neu), mal(b.y(), neu), mal(b.width(), neu), mal(b.height(), neu));
}

void skaliereSchrift(QWidget* w, double verhaeltnis) {
    QFont f = w->font();
    if (f.pointSizeF() > 0)
        f.setPointSizeF(f.pointSizeF() * verhaeltnis);
    else
        f.setPixelSize(std::max(1, mal(f.pixelSize(), verhaeltnis)));
    w->setFont(f);
}

void skaliere(QWidget* w, double alt, double neu) {
    if (w->testAttribute(Qt::WA_SetFont))
        skaliereSchrift(w, neu / alt);
    if (w->minimumSize() == w->maximumSize() && !w->minimumSize().isEmpty()) {
        const QRect fest(QPoint(), w->minimumSize());
        const QRectF b = basis(w, kFestBasis, kFest, fest, alt);
        const QRect neuFest = skaliert(b, neu);
        w->setFixedSize(neuFest.size());
        w->setProperty(kFestBasis, b);
        w->setProperty(kFest, QRect(QPoint(), neuFest.size()));
    }
    const QWidget* eltern = w->parentWidget();
    if (w->isWindow() || !eltern || eltern->layout())
        return;
    const QRectF b = basis(w, kBasis, kOrt, w->geometry(), alt);
    w->setGeometry(skaliert(b, neu));
    w->setProperty(kBasis, b);
    w->setProperty(kOrt, w->geometry());
}

// Check boxes, option buttons, margins and scroll bars of the platform's style grow with
// the game, so a dialog laid out by the toolkit keeps its proportions too.
class MassstabStil : public QProxyStyle {
  public:
    int pixelMetric(PixelMetric metrik, const QStyleOption* option,
                    const QWidget* widget) const override {
        const int wert = QProxyStyle::pixelMetric(metrik, option, widget);
        return massstab() == 1.0 ? wert : mal(wert, massstab());
    }
};

// Qt's own inner parts (a list's viewport, its scroll bars) are placed by their owner.
bool vonQtPlatziert(const QWidget* w, const QWidget* fenster) {
    for (; w && w != fenster; w = w->parentWidget())
        if (w->objectName().startsWith(QLatin1String("qt_")))
            return true;
    return false;
}

} // namespace

void wechsleMassstab(double faktor) {
    const double alt = massstab();
    setzeMassstab(faktor);
    const double neu = massstab();
    if (neu == alt)
        return;
    // A new style object makes every widget ask for its measures again.
    if (neu != 1.0 || dynamic_cast<MassstabStil*>(QApplication::style()))
        QApplication::setStyle(new MassstabStil);
    QFont schrift = QApplication::font();
    schrift.setPointSizeF(schrift.pointSizeF() * neu / alt);
    QApplication::setFont(schrift);
    for (QWidget* fenster : QApplication::topLevelWidgets()) {
        skaliere(fenster, alt, neu);
        for (QWidget* w : fenster->findChildren<QWidget*>())
            if (w->window() == fenster && !vonQtPlatziert(w, fenster))
                skaliere(w, alt, neu);
    }
}

void passeMassstabAn(QSize entwurf, double anteil) {
    // The screen's own scale is already in its size.
    const QScreen* bildschirm = QGuiApplication::primaryScreen();
    const QSize platz = bildschirm ? bildschirm->availableSize() : QSize();
    wechsleMassstab(fensterMassstab(entwurf, platz, gewaehlteGroesse(), anteil));
}

} // namespace zafku
