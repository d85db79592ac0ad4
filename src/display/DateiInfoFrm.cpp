#include "DateiInfoFrm.h"

#include "dialogs/TextLabel.h"
#include "dialogs/Twips.h"
#include "glob/SitzungsDaten.h"
#include "platform/HelpViewer.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace zafku {

namespace {

QFont sansSerif(double punkte, bool fett) {
    QFont f(QStringLiteral("Sans Serif"));
    f.setStyleHint(QFont::SansSerif);
    f.setPointSizeF(zafku::punkte(punkte));
    f.setBold(fett);
    return f;
}

QLabel* etikett(QWidget* eltern, const QString& text, const QRect& ort, bool fett,
                bool rechts = false) {
    auto* label = textLabel(eltern, text);
    label->setGeometry(ort);
    label->setFont(sansSerif(9.75, fett));
    // Font hinting does not grow exactly with the size: grow rather than clip.
    if (label->sizeHint().width() > ort.width())
        label->resize(label->sizeHint().width(), ort.height());
    if (rechts)
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

QGroupBox* rahmen(QWidget* eltern, const QString& titel, const QRect& ort) {
    auto* box = new QGroupBox(titel, eltern);
    box->setGeometry(ort);
    box->setFont(sansSerif(8.25, true));
    return box;
}

} // namespace

DateiInfoFrm::DateiInfoFrm(QWidget* parent) : HilfeDialog(kHilfeThema, parent) {
    setWindowTitle(QStringLiteral(" Datei-Info"));
    setFixedSize(twips(2940), twips(3345));

    auto* frame1 = rahmen(this, QStringLiteral("Wortschatz"), twips(90, 135, 2790, 1020));
    etikett(frame1, QStringLiteral("Wortanzahl"), twips(135, 345, 1425, 240), true);
    datInfLbl[0] = etikett(frame1, QStringLiteral("0"), twips(1935, 345, 705, 255), false, true);
    etikett(frame1, QStringLiteral("Grundwortschatz"), twips(135, 615, 1890, 240), true);
    datInfLbl[1] = etikett(frame1, QStringLiteral("nein"), twips(1935, 615, 705, 255), false, true);

    auto* frame2 = rahmen(this, QStringLiteral("Spielstand"), twips(90, 1200, 2790, 1575));
    for (int i = 0; i < 4; ++i) {
        spName[i] = etikett(frame2, QStringLiteral("Spieler%1").arg(i + 1),
                            twips(135, 360 + 270 * i, 1545, 255), true);
        spPunkte[i] =
            etikett(frame2, QStringLiteral("0"), twips(1935, 360 + 270 * i, 705, 255), false, true);
        spName[i]->hide();
        spPunkte[i]->hide();
    }

    auto* ok = new QPushButton(QStringLiteral("&OK"), this);
    ok->setGeometry(twips(810, 2850, 1245, 420));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

void DateiInfoFrm::spielerGelesen(int index, const QString& name) {
    if (index < 0 || index >= 4)
        return;
    spName[index]->setText(name);
    spName[index]->show();
    spPunkte[index]->setText(QStringLiteral("0"));
    spPunkte[index]->show();
}

void DateiInfoFrm::zeigeSpieler(const SitzungsDaten& daten) {
    for (int i = 0; i < 4; ++i) {
        const bool da = i < daten.nSpieler;
        spName[i]->setText(da ? daten.spielerName[i] : QString());
        spPunkte[i]->setText(da ? QString::number(daten.punkte[i][0]) : QString());
        spName[i]->setVisible(da);
        spPunkte[i]->setVisible(da);
    }
}

void DateiInfoFrm::setzeAnzahlAufgaben(int anzahl) {
    datInfLbl[0]->setText(QString::number(anzahl));
}

void DateiInfoFrm::fuellePunkte(const SitzungsDaten& daten) {
    for (int i = 0; i < 4 && i < daten.nSpieler; ++i)
        spPunkte[i]->setText(QString::number(daten.punkte[i][0]));
}

} // namespace zafku
