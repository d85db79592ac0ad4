#include "StartFrm.h"

#include "ErgebnisFrm.h"
#include "Ueben.h"

#include "bericht/Bericht.h"
#include "bericht/BerichtHtml.h"
#include "bericht/BerichtNamen.h"
#include "dialogs/Groesse.h"
#include "dialogs/TextLabel.h"
#include "glob/GlobModul.h"
#include "glob/SitzungsDaten.h"
#include "help/HtmlHelpMod.h"
#include "kartei/Wortkartei.h"
#include "platform/Clock.h"
#include "platform/HostPath.h"
#include "platform/LaufzeitFehler.h"
#include "platform/SystemFehler.h"
#include "speech/Vorleser.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSaveFile>
#include <QSettings>
#include <QShortcut>
#include <QSpinBox>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>

namespace zafku::starter {

namespace {

QString bildPfad(const QString& appPfad, const QString& code) {
    return resolveHostPath(appPfad, QStringLiteral("Grafik/") + bausteinBildName(code));
}

} // namespace

StartFrm::StartFrm(const QString& appPfad, Sprachausgabe* sprache, QWidget* parent)
    : QDialog(parent), appPfad_(appPfad), sprache_(sprache) {
    setWindowTitle(QStringLiteral("Spiel starten"));

    auto* links = new QGroupBox(QStringLiteral("Was soll geübt werden?"));
    filter_ = new QLineEdit;
    filter_->setObjectName(QStringLiteral("filter"));
    filter_->setPlaceholderText(QStringLiteral("Suchen, z. B. „langes i“ oder „ck“"));
    filter_->setClearButtonEnabled(true);
    liste_ = new QTreeWidget;
    liste_->setHeaderHidden(true);
    liste_->setIconSize(QSize(44, 32));
    liste_->setRootIsDecorated(false);
    liste_->setMinimumWidth(430);
    hilfeBtn_ = new QPushButton(QStringLiteral("&Erklärung zur Übung …"));
    auto* linksLayout = new QVBoxLayout(links);
    linksLayout->addWidget(filter_);
    linksLayout->addWidget(liste_, 1);
    linksLayout->addWidget(hilfeBtn_, 0, Qt::AlignLeft);

    auto* rechts = new QGroupBox(QStringLiteral("Wer spielt?"));
    auto* rechtsLayout = new QVBoxLayout(rechts);
    auto* anzahlZeile = new QHBoxLayout;
    anzahl_ = new QSpinBox;
    anzahl_->setRange(1, maxSpieler);
    auto* anzahlLbl = new QLabel(QStringLiteral("&Anzahl der Kinder:"));
    anzahlLbl->setBuddy(anzahl_);
    anzahlZeile->addWidget(anzahlLbl);
    anzahlZeile->addWidget(anzahl_);
    anzahlZeile->addStretch();
    // The game's window size, handed on through the game's own remembered setting.
    groesse_ = new QComboBox;
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
    auto* raster = new QGridLayout;
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
    rechtsLayout->addLayout(raster);
    rechtsLayout->addSpacing(12);
    bild_ = new QLabel;
    bild_->setAlignment(Qt::AlignCenter);
    bild_->setMinimumHeight(90);
    titel_ = textLabel(nullptr);
    titel_->setWordWrap(true);
    titel_->setAlignment(Qt::AlignCenter);
    QFont gross = titel_->font();
    gross.setPointSizeF(gross.pointSizeF() * 1.25);
    gross.setBold(true);
    titel_->setFont(gross);
    rechtsLayout->addWidget(bild_);
    rechtsLayout->addWidget(titel_);
    rechtsLayout->addStretch();

    auto* oben = new QHBoxLayout;
    oben->addWidget(links, 3);
    oben->addWidget(rechts, 2);

    berichtBtn_ = new QPushButton(QStringLiteral("&Lernbericht anzeigen"));
    berichtBtn_->setToolTip(QStringLiteral("Zeigt, welche Wörter die Kinder falsch geschrieben "
                                           "haben, als Seite im Browser."));
    woerterBtn_ = new QPushButton(QStringLiteral("Eigene &Wörter …"));
    woerterBtn_->setToolTip(QStringLiteral("Die Wörter der Woche eingeben: sie stehen dann "
                                           "unter »Eigene Wörter« in der Liste."));
    uebenBtn_ = new QPushButton(QStringLiteral("Ü&ben"));
    uebenBtn_->setToolTip(QStringLiteral("Ein Spiel nur mit den Wörtern, die heute für das "
                                         "erste Kind wieder dran sind."));
    spielenBtn_ = new QPushButton(QStringLiteral("&Spielen"));
    spielenBtn_->setDefault(true);
    auto* beendenBtn = new QPushButton(QStringLiteral("Be&enden"));
    status_ = textLabel(nullptr);
    status_->setWordWrap(true);
    auto* unten = new QHBoxLayout;
    zeitraum_ = new QComboBox;
    zeitraum_->addItems({QStringLiteral("alles"), QStringLiteral("diese Woche")});
    zeitraum_->setToolTip(QStringLiteral("Über welche Antworten der Lernbericht berichtet."));
    unten->addWidget(berichtBtn_);
    unten->addWidget(zeitraum_);
    unten->addWidget(woerterBtn_);
    unten->addWidget(status_, 1);
    unten->addWidget(uebenBtn_);
    unten->addWidget(spielenBtn_);
    unten->addWidget(beendenBtn);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(oben, 1);
    layout->addLayout(unten);
    resize(920, 620);

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
        if (const QString fehler = pruefeWahl(QStringLiteral("-"), wahl); !fehler.isEmpty())
            melde(fehler);
        else
            uebe(this, appPfad_, wahl.first(), sprache_);
    });
    connect(berichtBtn_, &QPushButton::clicked, this, [this] { berichtErstellen(); });
    connect(beendenBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(woerterBtn_, &QPushButton::clicked, this, &StartFrm::eigeneWoerter);
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
}

// Closing the window must not end a running game: it stays until the game is over.
StartFrm::~StartFrm() {
    if (spiel_.state() != QProcess::NotRunning)
        spiel_.waitForFinished(-1);
    if (woerter_.state() != QProcess::NotRunning)
        woerter_.waitForFinished(-1);
}

void StartFrm::fuelleListe() {
    liste_->clear();
    try {
        tsp_ = bericht::leseTsp(appPfad_);
    } catch (const LaufzeitFehler& f) {
        status_->setText(QString(f.text()).replace(u'\r', u' '));
        spielenBtn_->setEnabled(false);
        return;
    }
    QTreeWidgetItem* gruppe = nullptr;
    for (const bericht::TspEintrag& e : tsp_) {
        if (e.ueberschrift) {
            gruppe = new QTreeWidgetItem(liste_, {e.titel});
            gruppe->setFlags(Qt::ItemIsEnabled);
            QFont f = gruppe->font(0);
            f.setBold(true);
            gruppe->setFont(0, f);
            gruppe->setFirstColumnSpanned(true);
            continue;
        }
        auto* item = gruppe ? new QTreeWidgetItem(gruppe, {e.titel})
                            : new QTreeWidgetItem(liste_, {e.titel});
        item->setData(0, kCodeRolle, e.code);
        item->setData(0, kKatNrRolle, e.katNr);
        const QPixmap bild(bildPfad(appPfad_, e.code));
        if (!bild.isNull()) {
            QIcon symbol(bild);
            symbol.addPixmap(bild, QIcon::Selected);
            item->setIcon(0, symbol);
        }
    }
    liste_->expandAll();
}

QString StartFrm::gewaehlterCode() const {
    const QTreeWidgetItem* item = liste_->currentItem();
    return item && !item->isHidden() ? item->data(0, kCodeRolle).toString() : QString();
}

QList<Spieler> StartFrm::spieler() const {
    QList<Spieler> liste;
    for (int i = 0; i < anzahl_->value(); ++i)
        liste.append({zeilen_[i].name->text().trimmed(), zeilen_[i].datei->text()});
    return liste;
}

void StartFrm::filtern(const QString& text) {
    QTreeWidgetItem* erste = nullptr;
    for (int g = 0; g < liste_->topLevelItemCount(); ++g) {
        QTreeWidgetItem* gruppe = liste_->topLevelItem(g);
        const auto pruefe = [&](QTreeWidgetItem* item, const QString& gruppenTitel) {
            bericht::TspEintrag e{item->text(0), item->data(0, kCodeRolle).toString(), false, 0};
            const bool passt = passtZuFilter(e, gruppenTitel, text);
            item->setHidden(!passt);
            if (passt && !erste)
                erste = item;
            return passt;
        };
        if (gruppe->childCount() == 0) {
            pruefe(gruppe, {});
            continue;
        }
        bool sichtbar = false;
        for (int i = 0; i < gruppe->childCount(); ++i)
            sichtbar |= pruefe(gruppe->child(i), gruppe->text(0));
        gruppe->setHidden(!sichtbar);
    }
    QTreeWidgetItem* aktuell = liste_->currentItem();
    if (!aktuell || aktuell->isHidden() || aktuell->data(0, kCodeRolle).isNull())
        liste_->setCurrentItem(erste);
    auswahlGeaendert();
}

void StartFrm::auswahlGeaendert() {
    const QTreeWidgetItem* item = liste_->currentItem();
    const QString code = gewaehlterCode();
    hilfeBtn_->setEnabled(!code.isEmpty());
    titel_->setText(code.isEmpty() ? QStringLiteral("Bitte links eine Übung wählen.")
                                   : item->text(0));
    const QPixmap bild = code.isEmpty() ? QPixmap() : QPixmap(bildPfad(appPfad_, code));
    bild_->setPixmap(bild.isNull() ? QPixmap() : bild.scaled(bild.size() * 2));
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
