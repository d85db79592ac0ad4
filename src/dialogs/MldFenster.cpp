#include "MldFenster.h"

#include "DialogBild.h"
#include "Twips.h"

#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include <algorithm>

namespace zafku {

namespace {

constexpr int kRahmenLinks = 960;
constexpr int kRahmenOben = 90;
constexpr int kMeldungLinks = 120;
constexpr int kMeldungOben = 180;
constexpr int kBtn1Links = 120;
constexpr int kKnopfBreite = 1215;
constexpr int kKnopfHoehe = 405;

// A word takes at most this many lines: the middle of a longer one (a name of thousands
// of letters) is left out.
constexpr int kWortZeilen = 6;

// Breaks every line wider than breite at blanks, and a word wider than breite (a long
// file name) between its characters, so that no text runs off the screen. Beyond
// hoechstens lines the middle of the text gives way to "…", so that it fits in height too.
QString umbrochen(const QString& text, const QFontMetrics& metrik, int breite,
                  qsizetype hoechstens) {
    const QString auslassung(QChar(0x2026));
    QStringList zeilen;
    for (const QString& zeile : text.split(u'\n')) {
        QString aktuell;
        for (QString wort : zeile.split(u' ')) {
            const QString mitWort = aktuell.isEmpty() ? wort : aktuell + u' ' + wort;
            if (metrik.horizontalAdvance(mitWort) <= breite) {
                aktuell = mitWort;
                continue;
            }
            if (!aktuell.isEmpty())
                zeilen.append(aktuell);
            aktuell.clear();
            for (int teil = 1; metrik.horizontalAdvance(wort) > breite; ++teil) {
                if (teil == kWortZeilen) {
                    wort = metrik.elidedText(wort, Qt::ElideLeft, breite);
                    break;
                }
                qsizetype n = 1;
                while (n < wort.size() && metrik.horizontalAdvance(wort.left(n + 1)) <= breite)
                    ++n;
                zeilen.append(wort.left(n));
                wort = wort.mid(n);
            }
            aktuell = wort;
        }
        zeilen.append(aktuell);
    }
    hoechstens = std::max<qsizetype>(hoechstens, 3);
    if (zeilen.size() > hoechstens)
        zeilen = zeilen.first(hoechstens - 2) << auslassung << zeilen.last();
    return zeilen.join(u'\n');
}

} // namespace

MldFenster::MldFenster(QWidget* parent)
    : AntwortDialog(parent), mldFrame_(new QGroupBox(this)), meldung_(new QLabel(mldFrame_)),
      btn1_(new QPushButton(this)), btn2_(new QPushButton(this)) {
    setWindowTitle(QStringLiteral("Meldung"));
    erzeugeBildLabel(this, DialogBild::Sprechblase, 150, 60);
    mldFrame_->setObjectName(QStringLiteral("MldFrame"));
    meldung_->setObjectName(QStringLiteral("Meldung"));
    meldung_->setTextFormat(Qt::PlainText);
    meldung_->move(twips(kMeldungLinks), twips(kMeldungOben));
    btn1_->setObjectName(QStringLiteral("Btn1"));
    btn2_->setObjectName(QStringLiteral("Btn2"));
    setzeStandardKnopf(btn1_);
    setzeAbbrechenKnopf(btn2_);
    for (QPushButton* knopf : {btn1_, btn2_}) {
        knopf->resize(twips(kKnopfBreite), twips(kKnopfHoehe));
        knopf->hide();
        connect(knopf, &QPushButton::clicked, this, [this, knopf] { knopfGedrueckt(knopf); });
    }
}

void MldFenster::bereiteVor(const QString& text, const QString& knopf1, const QString& knopf2,
                            const QString& titel) {
    setWindowTitle(titel);
    // Everything outside the text: frame and window margins, plus room for the borders.
    const QScreen* bildschirm = screen() ? screen() : QGuiApplication::primaryScreen();
    const QSize platz = bildschirm ? bildschirm->availableGeometry().size() : QSize(1024, 768);
    const int textBreite = std::max(twips(kKnopfBreite),
                                    platz.width() - twips(kRahmenLinks + kMeldungLinks + 400) - 40);
    // Below the text: frame, buttons, margins and the caption bar.
    const int textHoehe =
        platz.height() - twips(kRahmenOben + kMeldungOben + 300 + kKnopfHoehe + 150) - 60;
    meldung_->setText(umbrochen(QString(text).replace(u'\r', u'\n'), meldung_->fontMetrics(),
                                textBreite, textHoehe / meldung_->fontMetrics().lineSpacing()));
    meldung_->adjustSize();

    const int rahmenBreite = kMeldungLinks + pixelInTwips(meldung_->width()) + 200;
    const int fensterBreite = kRahmenLinks + rahmenBreite + 200;
    const int rahmenHoehe = kMeldungOben + pixelInTwips(meldung_->height()) + 100;
    const int knopfOben = kRahmenOben + rahmenHoehe + 100;
    mldFrame_->setGeometry(twips(kRahmenLinks), twips(kRahmenOben), twips(rahmenBreite),
                           twips(rahmenHoehe));

    int sichtbar = 0;
    QPushButton* einziger = nullptr;
    btn1_->hide();
    btn2_->hide();
    for (auto [knopf, beschriftung] : {std::pair{btn1_, knopf1}, std::pair{btn2_, knopf2}}) {
        if (beschriftung.isEmpty())
            continue;
        knopf->setText(beschriftung);
        knopf->setVisible(true);
        einziger = knopf;
        ++sichtbar;
    }
    if (sichtbar == 1) {
        einziger->move(twips((fensterBreite - kKnopfBreite) / 2), twips(knopfOben));
    } else {
        btn1_->move(twips(kBtn1Links), twips(knopfOben));
        btn2_->move(twips(kRahmenLinks + rahmenBreite - kKnopfBreite), twips(knopfOben));
    }
    // The designed 500 twips below the buttons held the caption bar and borders too;
    // here the window manager adds those outside, so only the bottom margin remains.
    constexpr int kUntererRand = 150;
    setFixedSize(twips(fensterBreite), twips(knopfOben + kKnopfHoehe + kUntererRand));
    if (einziger)
        (btn1_->isVisibleTo(this) ? btn1_ : btn2_)->setFocus();
}

void MldFenster::zeigeMeldung(const QString& text, const QString& knopf1, const QString& knopf2,
                              const QString& titel) {
    bereiteVor(text, knopf1, knopf2, titel);
    exec();
}

void MldFenster::knopfGedrueckt(QPushButton* knopf) {
    setzeAntwort(knopf->text());
    accept();
    knopf->hide();
}

} // namespace zafku
