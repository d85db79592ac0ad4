#include "InfoFrm.h"

#include "dialogs/BildLabel.h"
#include "dialogs/Twips.h"
#include "platform/HelpViewer.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>

namespace zafku {

namespace {

QLabel* etikett(QWidget* eltern, const QString& text, const QRect& ort, bool fett) {
    auto* label = new QLabel(text, eltern);
    label->setGeometry(ort);
    if (fett) {
        QFont f(QStringLiteral("Sans Serif"));
        f.setStyleHint(QFont::SansSerif);
        f.setPointSizeF(punkte(8.25));
        f.setBold(true);
        label->setFont(f);
    }
    // The platform's fonts run wider than the designed ones: grow rather than clip.
    if (label->sizeHint().width() > ort.width())
        label->resize(label->sizeHint().width(), ort.height());
    return label;
}

} // namespace

QPixmap vokraSchriftzug(double faktor, qreal pixelRatio) {
    const QSize groesse(100, 37);
    QPixmap bild(groesse * faktor * pixelRatio);
    bild.setDevicePixelRatio(pixelRatio);
    bild.fill(Qt::transparent);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(faktor, faktor);
    QFont schrift(QStringLiteral("Sans Serif"));
    schrift.setStyleHint(QFont::SansSerif);
    schrift.setPixelSize(28);
    schrift.setWeight(QFont::Black);
    const QColor farben[] = {
        {230, 40, 40}, {255, 150, 0}, {30, 170, 60}, {30, 110, 230}, {170, 50, 200}};
    const QString name = QStringLiteral("Vokra");
    const QFontMetricsF mass(schrift);
    double x = (groesse.width() - mass.horizontalAdvance(name)) / 2;
    const double grund = (groesse.height() + mass.capHeight()) / 2;
    for (int i = 0; i < name.size(); ++i) {
        // Letters dance a little up and down, like stickers on a school book.
        const double y = grund + (i % 2 == 0 ? -1.5 : 1.5);
        QPainterPath buchstabe;
        buchstabe.addText(QPointF(x, y), schrift, name.mid(i, 1));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 60));
        p.drawPath(buchstabe.translated(1.5, 1.5));
        p.setPen(QPen(farben[i].darker(160), 1.2));
        p.setBrush(farben[i]);
        p.drawPath(buchstabe);
        x += mass.horizontalAdvance(name.mid(i, 1));
    }
    return bild;
}

QString InfoFrm::versionsText() {
    return QStringLiteral("4.%1.%2").arg(ZAFKU_VERSION_MINOR).arg(ZAFKU_VERSION_PATCH);
}

InfoFrm::InfoFrm(HelpViewer* hilfe, QString hilfeDatei, QWidget* parent)
    : HilfeDialog(kHilfeThema, parent) {
    setzeHilfe(hilfe, hilfeDatei);
    setWindowTitle(QStringLiteral("Info über ..."));
    setFixedSize(twips(3405), twips(3795));

    auto* bild = new BildLabel(this);
    bild->setObjectName(QStringLiteral("Image1"));
    bild->setGeometry(twips(1770, 90, 1500, 555));
    bild->setzeMaler(
        [](QSize, qreal pixelRatio) { return vokraSchriftzug(massstab(), pixelRatio); });

    auto* rahmen = new QGroupBox(QStringLiteral("Zafku"), this);
    rahmen->setGeometry(twips(90, 720, 3195, 2535));
    const struct {
        const char* titel;
        int oben;
    } titel[] = {{"Version:", 420},
                 {"Copyright:", 720},
                 {"Autor:", 1020},
                 {"Anschrift:", 1320},
                 {"Internet:", 2100}};
    int rechts = 0;
    int luecke = 0;
    for (const auto& t : titel) {
        const QLabel* label =
            etikett(rahmen, QString::fromUtf8(t.titel), twips(120, t.oben, 840, 285), true);
        rechts =
            std::max(rechts, label->x() + label->fontMetrics().horizontalAdvance(label->text()));
        luecke = label->fontMetrics().horizontalAdvance(QStringLiteral("  "));
    }
    // The bold captions run wider here than designed: the values keep two blanks away
    // from the longest of them.
    const int spalte = std::max(twips(1050), rechts + luecke);
    int breit = 0;
    const auto wert = [&](const QString& text, int oben, int breite, int hoehe) {
        QLabel* label =
            etikett(rahmen, text, QRect(spalte, twips(oben), twips(breite), twips(hoehe)), false);
        breit = std::max(breit, spalte + label->width());
        return label;
    };
    relLbl = wert(QStringLiteral("4.x.x"), 420, 330, 195);
    relLbl->setText(versionsText());
    relLbl->adjustSize();
    wert(QStringLiteral("© 2026 Morvik"), 720, 1995, 300);
    wert(QStringLiteral("Jonas Morvik"), 1020, 1680, 285);
    wert(QStringLiteral("Morvik Lernspiele"), 1320, 1875, 255);
    wert(QStringLiteral("Am Schulweg 4"), 1560, 1485, 255);
    wert(QStringLiteral("12345 Lesestadt"), 1800, 1485, 255);
    wert(QStringLiteral("www.morvik.example"), 2100, 1755, 255);
    // A value that would cross the frame widens the frame and the dialog.
    const int mehr = std::max(0, breit + twips(120) - rahmen->width());
    rahmen->resize(rahmen->width() + mehr, rahmen->height());
    setFixedSize(width() + mehr, height());

    auto* ok = new QPushButton(QStringLiteral("&OK"), this);
    ok->setGeometry(twips(1050, 3330, 1245, 405));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

} // namespace zafku
