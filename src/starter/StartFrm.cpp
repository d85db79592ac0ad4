#include "StartFrm.h"

#include "ErgebnisFrm.h"
#include "Ueben.h"

#include "bericht/BerichtNamen.h"
#include "dialogs/Groesse.h"
#include "dialogs/TextLabel.h"
#include "dialogs/Twips.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QShortcut>
#include <QSpinBox>
#include <QTreeWidget>
#include <QVBoxLayout>

// The start window as a whole: its buttons, its lifetime and the choice it remembers.

namespace zafku::starter {

StartFrm::StartFrm(const QString& appPfad, Sprachausgabe* sprache, QWidget* parent)
    : QDialog(parent), appPfad_(appPfad), sprache_(sprache) {
    setWindowTitle(QStringLiteral("Spiel starten"));

    auto* links = baueListe();
    auto* rechts = baueSpieler();

    auto* oben = new QHBoxLayout;
    oben->addWidget(links, 3);
    oben->addWidget(rechts, 2);

    berichtBtn_ = new QPushButton(QStringLiteral("&Lernbericht anzeigen"));
    berichtBtn_->setToolTip(QStringLiteral("Zeigt, welche Wörter die Kinder falsch geschrieben "
                                           "haben, als Seite im Browser."));
    woerterBtn_ = new QPushButton(QStringLiteral("Eigene &Wörter …"));
    woerterBtn_->setObjectName(QStringLiteral("woerter"));
    woerterBtn_->setToolTip(QStringLiteral("Die Wörter der Woche eingeben: sie stehen dann "
                                           "als »Wörter der Woche« ganz oben in der Liste."));
    klasseBtn_ = new QPushButton(QStringLiteral("&Klasse …"));
    klasseBtn_->setToolTip(QStringLiteral("Die Namen der Kinder einmal eintragen; dann wählen "
                                          "die Kinder ihren Namen mit der Maus."));
    uebenBtn_ = new QPushButton(QStringLiteral("Ü&ben"));
    uebenBtn_->setToolTip(QStringLiteral("Ein Spiel nur mit den Wörtern, die heute für das "
                                         "erste Kind wieder dran sind."));
    spielenBtn_ = new QPushButton(QStringLiteral("&Spielen"));
    spielenBtn_->setDefault(true);
    auto* beendenBtn = new QPushButton(QStringLiteral("Be&enden"));
    beendenBtn->setObjectName(QStringLiteral("beenden"));
    status_ = textLabel(nullptr);
    status_->setWordWrap(true);
    auto* unten = new QHBoxLayout;
    zeitraum_ = new QComboBox;
    zeitraum_->setObjectName(QStringLiteral("zeitraum"));
    zeitraum_->addItems({QStringLiteral("alles"), QStringLiteral("diese Woche")});
    zeitraum_->setToolTip(QStringLiteral("Über welche Antworten der Lernbericht berichtet."));
    unten->addWidget(berichtBtn_);
    unten->addWidget(zeitraum_);
    unten->addWidget(woerterBtn_);
    unten->addWidget(klasseBtn_);
    unten->addWidget(status_, 1);
    unten->addWidget(uebenBtn_);
    unten->addWidget(spielenBtn_);
    unten->addWidget(beendenBtn);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(oben, 1);
    layout->addLayout(unten);
    resize(kEntwurf * massstab());

    connect(filter_, &QLineEdit::textChanged, this, &StartFrm::filtern);
    connect(liste_, &QTreeWidget::currentItemChanged, this, &StartFrm::auswahlGeaendert);
    connect(liste_, &QTreeWidget::itemDoubleClicked, this, [this] { spielStarten(); });
    connect(hilfeBtn_, &QPushButton::clicked, this, &StartFrm::zeigeHilfe);
    connect(new QShortcut(QKeySequence::HelpContents, this), &QShortcut::activated, this,
            &StartFrm::zeigeHilfe);
    connect(anzahl_, &QSpinBox::valueChanged, this, &StartFrm::anzahlGeaendert);
    connect(spielenBtn_, &QPushButton::clicked, this, [this] { spielStarten(); });
    connect(uebenBtn_, &QPushButton::clicked, this, [this] {
        // Practice is for one child: the first one named.
        const QList<Spieler> wahl = spieler().mid(0, 1);
        if (const QString fehler = pruefeWahl(QStringLiteral("-"), wahl, mitKlasse_);
            !fehler.isEmpty())
            melde(fehler);
        else
            uebe(this, appPfad_, wahl.first(), sprache_);
    });
    connect(berichtBtn_, &QPushButton::clicked, this, [this] { berichtErstellen(); });
    connect(beendenBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(woerterBtn_, &QPushButton::clicked, this, &StartFrm::eigeneWoerter);
    connect(klasseBtn_, &QPushButton::clicked, this, &StartFrm::klasseBearbeiten);
    connect(&woerter_, &QProcess::finished, this, [this] {
        woerterBtn_->setEnabled(true);
        fuelleListe();
    });
    connect(&spiel_, &QProcess::finished, this, [this] {
        spielenBtn_->setEnabled(true);
        status_->setText(QStringLiteral("Das Spiel ist zu Ende."));
        QString fehler;
        if (auto* ergebnis =
                ergebnisFenster(this, appPfad_, appPfad_, spielende_, sprache_, &fehler)) {
            ergebnis->setAttribute(Qt::WA_DeleteOnClose);
            ergebnis->open();
        } else {
            status_->setText(fehler);
        }
    });

    fuelleListe();
    ladeLetzteWahl();
    ladeKlasse();
}

// Closing the window must not end a running game: it stays until the game is over.
StartFrm::~StartFrm() {
    if (spiel_.state() != QProcess::NotRunning)
        spiel_.waitForFinished(-1);
    if (woerter_.state() != QProcess::NotRunning)
        woerter_.waitForFinished(-1);
}

void StartFrm::ladeLetzteWahl() {
    QSettings s;
    const int n = std::clamp(s.value(QStringLiteral("anzahl"), 1).toInt(), 1, maxSpieler);
    for (int i = 0; i < maxSpieler; ++i) {
        Zeile& z = zeilen_[i];
        z.name->setText(s.value(QStringLiteral("name%1").arg(i)).toString());
        z.datei->setText(s.value(QStringLiteral("datei%1").arg(i)).toString());
        z.dateiVonHand = s.value(QStringLiteral("dateiVonHand%1").arg(i)).toBool();
    }
    anzahl_->setValue(n);
    anzahlGeaendert(n);
    const QString code = s.value(QStringLiteral("kategorie")).toString();
    for (QTreeWidgetItemIterator it(liste_); *it; ++it)
        if ((*it)->data(0, kCodeRolle).toString() == code && !code.isEmpty())
            liste_->setCurrentItem(*it);
    auswahlGeaendert();
    groesse_->setCurrentIndex(std::max(0, groesse_->findData(gewaehlteGroesse())));
    zeilen_[0].name->setFocus();
}

void StartFrm::merkeWahl() const {
    QSettings s;
    s.setValue(QStringLiteral("kategorie"), gewaehlterCode());
    s.setValue(QStringLiteral("anzahl"), anzahl_->value());
    for (int i = 0; i < maxSpieler; ++i) {
        s.setValue(QStringLiteral("name%1").arg(i), zeilen_[i].name->text().trimmed());
        s.setValue(QStringLiteral("datei%1").arg(i), zeilen_[i].datei->text());
        s.setValue(QStringLiteral("dateiVonHand%1").arg(i), zeilen_[i].dateiVonHand);
    }
    for (const Spieler& sp : spieler())
        bericht::merkeName(sp.datei, sp.name);
    merkeGroesse(groesse_->currentData().toDouble());
}

} // namespace zafku::starter
