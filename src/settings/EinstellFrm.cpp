#include "EinstellFrm.h"

#include "platform/HelpViewer.h"
#include "glob/SitzungsDaten.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace zafku {

EinstellFrm::EinstellFrm(SitzungsDaten& daten, EinstellKontrollen& kontrollen, HelpViewer* hilfe,
                         QWidget* parent)
    : HilfeDialog(kHilfeThema, parent), daten_(daten), kontrollen_(kontrollen) {
    setzeHilfe(hilfe, daten.hilfeDatei);
    setWindowTitle(QStringLiteral("Einstellungen"));
    const auto benenne = [](QWidget* w, const char* name) {
        w->setObjectName(QString::fromLatin1(name));
    };

    optFrame1 = new QGroupBox(QStringLiteral("Verschiedenes"), this);
    benenne(optFrame1, "OptFrame1");
    einstSaveOpt = new QCheckBox(QStringLiteral("Einstellungen s&peichern"), optFrame1);
    benenne(einstSaveOpt, "EinstSaveOpt");
    rateZeitEin = new QCheckBox(QStringLiteral("&Ratezeit begrenzen"), optFrame1);
    benenne(rateZeitEin, "RateZeitEin");
    tonEin = new QCheckBox(QStringLiteral("&Ton einschalten"), optFrame1);
    benenne(tonEin, "TonEin");
    auto* links = new QVBoxLayout(optFrame1);
    for (QWidget* w : {static_cast<QWidget*>(einstSaveOpt), static_cast<QWidget*>(rateZeitEin),
                       static_cast<QWidget*>(tonEin)})
        links->addWidget(w);
    links->addStretch();

    optFrame2 = new QGroupBox(QStringLiteral("Computer"), this);
    benenne(optFrame2, "OptFrame2");
    gegenComp = new QCheckBox(QStringLiteral("&als Gegenspieler"), optFrame2);
    benenne(gegenComp, "gegenComp");
    spSt[0] = new QRadioButton(QStringLiteral("&stark"), optFrame2);
    spSt[1] = new QRadioButton(QStringLiteral("sch&wach"), optFrame2);
    benenne(spSt[0], "SpSt0");
    benenne(spSt[1], "SpSt1");
    auto* rechts = new QGridLayout(optFrame2);
    rechts->addWidget(gegenComp, 0, 0, 1, 2);
    // The strengths sit indented below the box they belong to.
    rechts->setColumnMinimumWidth(0, 16);
    rechts->addWidget(spSt[0], 1, 1);
    rechts->addWidget(spSt[1], 2, 1);
    rechts->setRowStretch(3, 1);

    okBtn = new QPushButton(QStringLiteral("&OK"), this);
    benenne(okBtn, "okBtn");
    okBtn->setDefault(true);
    abbrBtn = new QPushButton(QStringLiteral("&abbrechen"), this);
    benenne(abbrBtn, "abbrBtn");
    abbrBtn->setAutoDefault(false);
    connect(okBtn, &QPushButton::clicked, this, &EinstellFrm::ok);
    connect(abbrBtn, &QPushButton::clicked, this, &EinstellFrm::reject);

    auto* rahmen = new QHBoxLayout;
    rahmen->addWidget(optFrame1);
    rahmen->addWidget(optFrame2);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(okBtn);
    knoepfe->addWidget(abbrBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(rahmen);
    layout->addLayout(knoepfe);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    zeigeKontrollen();
}

void EinstellFrm::zeigeKontrollen() {
    einstSaveOpt->setChecked(kontrollen_.einstSaveOpt);
    rateZeitEin->setChecked(kontrollen_.rateZeitEin);
    tonEin->setChecked(kontrollen_.tonEin);
    gegenComp->setChecked(kontrollen_.gegenComp);
    // Only 0 and 1 select an option; any other value leaves both as they are.
    if (kontrollen_.spSt == 0 || kontrollen_.spSt == 1)
        spSt[kontrollen_.spSt]->setChecked(true);
    for (QWidget* w : {static_cast<QWidget*>(gegenComp), static_cast<QWidget*>(spSt[0]),
                       static_cast<QWidget*>(spSt[1])})
        w->setEnabled(kontrollen_.computerWaehlbar);
}

bool EinstellFrm::zeige() {
    spielerGeaendert_ = false;
    zeigeKontrollen();
    okBtn->setFocus();
    exec();
    return spielerGeaendert_;
}

void EinstellFrm::ok() {
    hide();
    kontrollen_.einstSaveOpt = einstSaveOpt->isChecked();
    kontrollen_.rateZeitEin = rateZeitEin->isChecked();
    kontrollen_.tonEin = tonEin->isChecked();
    kontrollen_.gegenComp = gegenComp->isChecked();
    kontrollen_.spSt = spSt[0]->isChecked() ? 0 : 1;
    spielerGeaendert_ = uebernehmeEinstellungen(daten_, kontrollen_);
    accept();
}

void EinstellFrm::reject() {
    verwerfeEinstellungen(daten_, kontrollen_);
    zeigeKontrollen();
    QDialog::reject();
}

} // namespace zafku
