#include "StartFrm.h"

#include "KlasseFrm.h"
#include "NamenKnoepfe.h"

#include "dialogs/Groesse.h"
#include "dialogs/Twips.h"
#include "speech/Vorleser.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <QVBoxLayout>

// Who plays: picked from the class list, or the number of children, their names and
// protocol files typed.

namespace zafku::starter {

QGroupBox* StartFrm::baueSpieler() {
    auto* rechts = new QGroupBox(QStringLiteral("Wer spielt?"));
    auto* rechtsLayout = new QVBoxLayout(rechts);
    auto* anzahlZeile = new QHBoxLayout;
    anzahl_ = new QSpinBox;
    anzahl_->setRange(1, maxSpieler);
    auto* anzahlLbl = new QLabel(QStringLiteral("&Anzahl der Kinder:"));
    anzahlLbl->setBuddy(anzahl_);
    anzahlZeile->addWidget(anzahlLbl);
    anzahlZeile->addWidget(anzahl_);
    // With a class list the children pick their names and so give the number too.
    anzahlLbl_ = anzahlLbl;
    anzahlZeile->addStretch();
    // The game's window size, handed on through the game's own remembered setting.
    groesse_ = new QComboBox;
    groesse_->setObjectName(QStringLiteral("groesse"));
    groesse_->addItem(QStringLiteral("passend"), 0.0);
    for (const double f : groessenStufen())
        groesse_->addItem(QStringLiteral("%1 %").arg(qRound(f * 100)), f);
    auto* groesseLbl = new QLabel(QStringLiteral("&Größe:"));
    groesseLbl->setBuddy(groesse_);
    anzahlZeile->addWidget(groesseLbl);
    anzahlZeile->addWidget(groesse_);
    rechtsLayout->addLayout(anzahlZeile);
    auto* vorlesen = new QCheckBox(QStringLiteral("Jede neue Aufgabe &vorlesen"));
    vorlesen->setChecked(vorlesenGewaehlt());
    connect(vorlesen, &QCheckBox::toggled, this, [](bool an) { merkeVorlesen(an); });
    rechtsLayout->addWidget(vorlesen);
    tippen_ = new QWidget;
    auto* raster = new QGridLayout(tippen_);
    raster->setContentsMargins(0, 0, 0, 0);
    raster->addWidget(new QLabel(QStringLiteral("Name")), 0, 1);
    raster->addWidget(new QLabel(QStringLiteral("Protokolldatei")), 0, 2);
    const auto* dateiZeichen = new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[a-z0-9_]{0,30}")), this);
    for (int i = 0; i < maxSpieler; ++i) {
        Zeile& z = zeilen_[i];
        z.nummer = new QLabel(QStringLiteral("%1.").arg(i + 1));
        z.name = new QLineEdit;
        z.name->setObjectName(QStringLiteral("name%1").arg(i));
        z.name->setPlaceholderText(QStringLiteral("Name des Kindes"));
        z.name->setMaxLength(40);
        z.datei = new QLineEdit;
        z.datei->setObjectName(QStringLiteral("datei%1").arg(i));
        z.datei->setValidator(dateiZeichen);
        z.datei->setToolTip(QStringLiteral("Hier sammelt Zafku, was das Kind geantwortet hat "
                                           "(im Ordner User). Nur a–z, Ziffern und _."));
        z.endung = new QLabel(QStringLiteral(".tmp"));
        raster->addWidget(z.nummer, i + 1, 0);
        raster->addWidget(z.name, i + 1, 1);
        raster->addWidget(z.datei, i + 1, 2);
        raster->addWidget(z.endung, i + 1, 3);
        connect(z.name, &QLineEdit::textEdited, this, [this, i] { nameGeaendert(i); });
        connect(z.datei, &QLineEdit::textEdited, this, [this, i](const QString& text) {
            zeilen_[i].dateiVonHand = !text.isEmpty();
            if (text.isEmpty())
                nameGeaendert(i);
        });
    }
    raster->setColumnStretch(1, 3);
    raster->setColumnStretch(2, 2);
    rechtsLayout->addWidget(tippen_);
    knoepfe_ = new NamenKnoepfe;
    rechtsLayout->addWidget(knoepfe_, 1);
    rechtsLayout->addSpacing(qRound(12 * massstab()));
    baueAnzeige(rechtsLayout);
    rechtsLayout->addStretch();
    return rechts;
}

QList<Spieler> StartFrm::spieler() const {
    if (mitKlasse_)
        return knoepfe_->spieler();
    QList<Spieler> liste;
    for (int i = 0; i < anzahl_->value(); ++i)
        liste.append({zeilen_[i].name->text().trimmed(), zeilen_[i].datei->text()});
    return liste;
}

void StartFrm::anzahlGeaendert(int n) {
    for (int i = 0; i < maxSpieler; ++i) {
        const bool an = i < n;
        zeilen_[i].nummer->setVisible(an);
        zeilen_[i].name->setVisible(an);
        zeilen_[i].datei->setVisible(an);
        zeilen_[i].endung->setVisible(an);
    }
}

QStringList StartFrm::andereDateien(int ohne) const {
    QStringList dateien;
    for (int i = 0; i < maxSpieler; ++i)
        if (i != ohne && !zeilen_[i].datei->text().isEmpty())
            dateien.append(zeilen_[i].datei->text());
    return dateien;
}

void StartFrm::nameGeaendert(int zeile) {
    Zeile& z = zeilen_[zeile];
    if (z.dateiVonHand)
        return;
    const QString name = z.name->text().trimmed();
    z.datei->setText(name.isEmpty() ? QString()
                                    : eindeutig(dateiNameAus(name), andereDateien(zeile)));
}

void StartFrm::ladeKlasse() {
    const bericht::Klassenliste klasse = bericht::ladeKlassenliste(appPfad_);
    if (!klasse.fehler.isEmpty())
        status_->setText(klasse.fehler.join(u' '));
    mitKlasse_ = !klasse.kinder.isEmpty();
    knoepfe_->setzeKlasse(klasse.kinder);
    knoepfe_->setVisible(mitKlasse_);
    tippen_->setVisible(!mitKlasse_);
    anzahlLbl_->setVisible(!mitKlasse_);
    anzahl_->setVisible(!mitKlasse_);
}

void StartFrm::klasseBearbeiten() {
    KlasseFrm frm(appPfad_, bericht::ladeKlassenliste(appPfad_).kinder, this);
    if (frm.exec() == QDialog::Accepted)
        ladeKlasse();
}

} // namespace zafku::starter
