// The dial, the play-time bar and their timers.

#include "MainFrm.h"

#include "VuNadel.h"
#include "ZeitBild.h"
#include "dialogs/Twips.h"

#include <QLabel>
#include <QPainter>
#include <QTimer>

namespace zafku {

namespace {

// Pixels per twip on this screen at the game's size.
double pixelProTwip() {
    return twips(1440) / 1440.0;
}

constexpr int kRoehreLinks = 8880, kRoehreOben = 270, kRoehreBreite = 555, kRoehreHoehe = 5160;
constexpr int kBalkenLinks = 9060, kBalkenBreite = 75;

} // namespace

VuNadel::VuNadel(const VuRahmen& rahmen, QWidget* parent) : QWidget(parent), rahmen_(rahmen) {
    setObjectName(QStringLiteral("vuNadel"));
    setGeometry(QRect(twips(static_cast<int>(rahmen.links)), twips(static_cast<int>(rahmen.oben)),
                      twips(static_cast<int>(rahmen.breite)),
                      twips(static_cast<int>(rahmen.breite))));
}

void VuNadel::setzeLinie(const VuLinie& linie) {
    linie_ = linie;
    update();
}

QPointF VuNadel::punkt(double x, double y) const {
    return {(x - rahmen_.links) * pixelProTwip(), (y - rahmen_.oben) * pixelProTwip()};
}

void VuNadel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(255, 0, 0), 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(punkt(linie_.x1, linie_.y1), punkt(linie_.x2, linie_.y2));
    // The axle: the smaller side of its box as diameter, centred in the box.
    const VuAchse achse = vuAchse(rahmen_);
    const double d = std::min(achse.breite, achse.hoehe) * pixelProTwip();
    const QPointF mitte = punkt(achse.links + achse.breite / 2, achse.oben + achse.hoehe / 2);
    p.setPen(QPen(palette().color(QPalette::WindowText), 1));
    p.setBrush(QColor(255, 0, 0));
    p.drawEllipse(mitte, d / 2, d / 2);
}

void MainFrm::baueZeitAnzeigen() {
    const qreal ratio = devicePixelRatioF();
    roehreImg = new BildLabel(flaeche_);
    roehreImg->setObjectName(QStringLiteral("Image1"));
    roehreImg->setGeometry(twips(kRoehreLinks, kRoehreOben, kRoehreBreite, kRoehreHoehe));
    const RestZeitStand voll;
    roehreImg->setzeMaler([voll](QSize groesse, qreal pixelRatio) {
        // The tube is drawn for its box; the bar's place follows it in proportion.
        const double s = groesse.height() / static_cast<double>(kRoehreHoehe);
        const QRectF balken((kBalkenLinks - kRoehreLinks) * s, (voll.oben - kRoehreOben) * s,
                            kBalkenBreite * s, voll.hoehe * s);
        return roehrenBild(groesse, balken, pixelRatio);
    });

    restZeitStand = new QLabel(flaeche_);
    restZeitStand->setScaledContents(true);
    restZeitStand->setPixmap(balkenBild(ratio));
    zeigeRestZeitStand(voll);

    const VuRahmen rahmen;
    vuRestZeitImage = new BildLabel(flaeche_);
    vuRestZeitImage->setObjectName(QStringLiteral("vuRestZeitImage"));
    vuRestZeitImage->setGeometry(
        twips(static_cast<int>(rahmen.links), static_cast<int>(rahmen.oben),
              static_cast<int>(rahmen.breite), static_cast<int>(rahmen.breite)));
    vuRestZeitImage->setAlignment(Qt::AlignCenter);
    vuNadel = new VuNadel(rahmen, flaeche_);
    zeigeVuSkala(false);

    restZeitTimerObj = new QTimer(this);
    restZeitTimerObj->setObjectName(QStringLiteral("RestZeitTimer"));
    restZeitTimerObj->setInterval(1000);
    connect(restZeitTimerObj, &QTimer::timeout, this,
            [this] { sicher([this] { ablauf_.restZeitTick(); }); });
    energTimerObj = new QTimer(this);
    energTimerObj->setObjectName(QStringLiteral("EnergTimer"));
    energTimerObj->setInterval(5000);
    connect(energTimerObj, &QTimer::timeout, this,
            [this] { sicher([this] { ablauf_.energTick(); }); });
}

void MainFrm::zeigeVuZeiger(const VuLinie& linie) {
    vuNadel->setzeLinie(linie);
}

void MainFrm::zeigeVuSkala(bool ein) {
    vuRestZeitImage->setzeMaler([ein](QSize groesse, qreal pixelRatio) {
        return vuSkalaBild(ein, groesse.width(), pixelRatio);
    });
    vuRestZeitImage->setProperty("ein", ein);
}

void MainFrm::zeigeRestZeitStand(const RestZeitStand& stand) {
    restZeit_ = stand;
    // The bar keeps its bottom edge.
    const int unten = twips(stand.oben + stand.hoehe);
    const int oben = twips(stand.oben);
    restZeitStand->setGeometry(twips(kBalkenLinks), oben, twips(kBalkenBreite), unten - oben);
}

void MainFrm::restZeitTimer(bool laeuft) {
    if (laeuft)
        restZeitTimerObj->start();
    else
        restZeitTimerObj->stop();
}

void MainFrm::energTimer(bool laeuft) {
    if (laeuft)
        energTimerObj->start();
    else
        energTimerObj->stop();
}

} // namespace zafku
