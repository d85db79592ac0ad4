#include "DateiInfoFrm.h"

#include "startup/SitzungsDaten.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace zafku {

DateiInfoFrm::DateiInfoFrm(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Spielstand"));
    auto* layout = new QVBoxLayout(this);
    auto* spieler = new QGroupBox(QStringLiteral("Spieler und Punkte"), this);
    auto* raster = new QGridLayout(spieler);
    for (int i = 0; i < 4; ++i) {
        spName[i] = new QLabel(spieler);
        spPunkte[i] = new QLabel(spieler);
        spPunkte[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        spName[i]->hide();
        spPunkte[i]->hide();
        raster->addWidget(spName[i], i, 0);
        raster->addWidget(spPunkte[i], i, 1);
    }
    layout->addWidget(spieler);
    auto* woerter = new QGroupBox(QStringLiteral("Aufgaben im Übungsschwerpunkt"), this);
    auto* wLayout = new QVBoxLayout(woerter);
    datInfLbl = new QLabel(QStringLiteral("0"), woerter);
    wLayout->addWidget(datInfLbl);
    layout->addWidget(woerter);
    auto* knoepfe = new QDialogButtonBox(this);
    knoepfe->addButton(QStringLiteral("&OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
    connect(knoepfe, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(knoepfe);
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
    datInfLbl->setText(QString::number(anzahl));
}

void DateiInfoFrm::fuellePunkte(const SitzungsDaten& daten) {
    for (int i = 0; i < 4 && i < daten.nSpieler; ++i)
        spPunkte[i]->setText(QString::number(daten.punkte[i][0]));
}

} // namespace zafku
