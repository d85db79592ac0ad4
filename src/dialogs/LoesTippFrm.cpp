#include "LoesTippFrm.h"

#include "DialogBild.h"
#include "Twips.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace zafku {

namespace {

constexpr int kRahmenBreite = 4500;
constexpr int kRahmenHoehe = 1200;
constexpr int kKnopfBreite = 1215;
constexpr int kFensterBreite = 960 + kRahmenBreite + 200;

} // namespace

LoesTippFrm::LoesTippFrm(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Lösungstipp"));
    erzeugeBildLabel(this, DialogBild::Gluehbirne, 150, 60);
    auto* rahmen = new QGroupBox(this);
    rahmen->setObjectName(QStringLiteral("TippFrame"));
    rahmen->setGeometry(twips(960), twips(90), twips(kRahmenBreite), twips(kRahmenHoehe));
    katKurzHilfeLbl_ = new QLabel(rahmen);
    katKurzHilfeLbl_->setObjectName(QStringLiteral("KatKurzHilfeLbl"));
    katKurzHilfeLbl_->setTextFormat(Qt::PlainText);
    katKurzHilfeLbl_->setWordWrap(true);
    auto* ok = new QPushButton(QStringLiteral("&OK"), this);
    ok->setObjectName(QStringLiteral("okBtn"));
    ok->setDefault(true);
    ok->setGeometry(twips((kFensterBreite - kKnopfBreite) / 2), twips(1390), twips(kKnopfBreite),
                    twips(405));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    setFixedSize(twips(kFensterBreite), twips(1950));
}

void LoesTippFrm::setzeTipp(const QString& text) {
    katKurzHilfeLbl_->setText(text);
    const int breite = twips(kRahmenBreite - 240);
    const int hoehe = katKurzHilfeLbl_->heightForWidth(breite);
    // An overlong tip would otherwise slide under the frame's top edge.
    const int oben = std::max(twips(120), (twips(kRahmenHoehe) - hoehe) / 2 + twips(60));
    katKurzHilfeLbl_->setGeometry(twips(120), oben, breite, hoehe);
}

} // namespace zafku
