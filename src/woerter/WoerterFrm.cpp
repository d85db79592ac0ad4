#include "WoerterFrm.h"

#include "dialogs/Twips.h"
#include "eigene/Neubau.h"
#include "eigene/StellenName.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace zafku::woerter {

using namespace eigene;

WoerterFrm::WoerterFrm(const QString& hostDir, const QString& wortliste, QWidget* parent)
    : QDialog(parent), hostDir_(hostDir) {
    setWindowTitle(QStringLiteral("Eigene Wörter"));
    auto* hinweis = new QLabel(QStringLiteral(
        "Ein Wort je Zeile: <b>Wort, Artikel oder Wortart, Satz mit dem Wort</b><br>"
        "zum Beispiel: <i>Biene, die, Die Biene sammelt Honig.</i> – der Satz darf fehlen."));
    eingabe_ = new QPlainTextEdit;
    pruefenBtn_ = new QPushButton(QStringLiteral("&Prüfen"));
    speichernBtn_ = new QPushButton(QStringLiteral("&Speichern"));
    speichernBtn_->setEnabled(false);
    auto* schliessenBtn = new QPushButton(QStringLiteral("S&chließen"));
    behaltenBox_ = new QCheckBox(QStringLiteral("Bisherige Woche unter ihrem &Datum behalten"));
    behaltenBox_->setToolTip(QStringLiteral("Sonst ersetzen die neuen Wörter die bisherigen "
                                            "»Wörter der Woche«."));
    ergebnis_ = new QTreeWidget;
    ergebnis_->setHeaderLabels(
        {QStringLiteral("Wort und Stellen zum Üben (Haken weg: nicht üben)")});
    // A spot's reason or a finding may be longer than the window: scroll, never cut it off.
    ergebnis_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    ergebnis_->header()->setStretchLastSection(false);
    status_ = new QLabel;
    status_->setTextFormat(Qt::PlainText);
    status_->setWordWrap(true);

    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(status_, 1);
    knoepfe->addWidget(behaltenBox_);
    knoepfe->addWidget(pruefenBtn_);
    knoepfe->addWidget(speichernBtn_);
    knoepfe->addWidget(schliessenBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(hinweis);
    layout->addWidget(eingabe_, 2);
    layout->addWidget(ergebnis_, 3);
    layout->addLayout(knoepfe);
    resize(kEntwurf * massstab());

    connect(pruefenBtn_, &QPushButton::clicked, this, &WoerterFrm::pruefen);
    connect(speichernBtn_, &QPushButton::clicked, this, &WoerterFrm::speichern);
    connect(schliessenBtn, &QPushButton::clicked, this, &QDialog::accept);
    // A change of text or ticks needs a new check before saving.
    connect(eingabe_, &QPlainTextEdit::textChanged, this,
            [this] { speichernBtn_->setEnabled(false); });
    connect(ergebnis_, &QTreeWidget::itemChanged, this, [this] { zeigeBefunde(); });

    QString fehler;
    stand_ = Pruefstand::lade(hostDir_, wortliste, fehler);
    if (!stand_) {
        status_->setText(fehler);
        pruefenBtn_->setEnabled(false);
        return;
    }
    liste_ = ladeEigeneListe(hostDir_, &fehler);
    if (!fehler.isEmpty())
        status_->setText(fehler);
    QStringList zeilen;
    for (const EigenesWort& w : liste_.woerter)
        if (!w.entfernt)
            zeilen.append(w.satz.isEmpty()
                              ? QStringLiteral("%1, %2").arg(w.wort, w.kontext)
                              : QStringLiteral("%1, %2, %3").arg(w.wort, w.kontext, w.satz));
    eingabe_->setPlainText(zeilen.join(u'\n'));
}

WoerterFrm::~WoerterFrm() = default;

void WoerterFrm::pruefen() {
    eingaben_ = leseEingabe(eingabe_->toPlainText());
    vorschlaege_.clear();
    const QSignalBlocker still(ergebnis_);
    ergebnis_->clear();
    for (const Eingabe& e : eingaben_) {
        QList<bool> gewaehlt;
        vorschlaege_.append(stand_->vorschlagen(e, liste_, gewaehlt));
        auto* wort = new QTreeWidgetItem(ergebnis_, {e.wort});
        for (int i = 0; i < vorschlaege_.last().size(); ++i) {
            const Vorschlag& v = vorschlaege_.last()[i];
            auto* stelle = new QTreeWidgetItem(wort, {stellenZeile(v, e.wort)});
            stelle->setFlags(stelle->flags() | Qt::ItemIsUserCheckable);
            stelle->setCheckState(0, gewaehlt[i] ? Qt::Checked : Qt::Unchecked);
        }
        wort->setExpanded(true);
    }
    zeigeBefunde();
}

QList<PruefWort> WoerterFrm::gewaehlteWoerter() const {
    QList<PruefWort> woerter;
    for (int i = 0; i < eingaben_.size(); ++i) {
        PruefWort w{eingaben_[i], {}};
        const QTreeWidgetItem* wort = ergebnis_->topLevelItem(i);
        for (int k = 0; k < vorschlaege_[i].size(); ++k)
            if (wort->child(k)->checkState(0) == Qt::Checked)
                w.stellen.append(vorschlaege_[i][k]);
        woerter.append(w);
    }
    return woerter;
}

// Findings stand under their word, in red when they keep the list from being saved.
void WoerterFrm::zeigeBefunde() {
    const QSignalBlocker still(ergebnis_);
    const QList<Befund> befunde = pruefe(gewaehlteWoerter(), stand_->mittel());
    for (int i = 0; i < ergebnis_->topLevelItemCount(); ++i) {
        QTreeWidgetItem* wort = ergebnis_->topLevelItem(i);
        for (int k = wort->childCount() - 1; k >= vorschlaege_[i].size(); --k)
            delete wort->takeChild(k);
        bool fehlerhaft = false;
        for (const Befund& b : befunde) {
            if (b.zeile != eingaben_[i].zeile)
                continue;
            auto* zeile = new QTreeWidgetItem(wort, {b.text});
            zeile->setForeground(0, b.sperrt ? QColor(180, 0, 0) : QColor(140, 90, 0));
            fehlerhaft = fehlerhaft || b.sperrt;
        }
        wort->setForeground(0, fehlerhaft ? QColor(180, 0, 0) : QColor(0, 110, 0));
    }
    QStringList allgemein;
    for (const Befund& b : befunde)
        if (b.zeile == 0)
            allgemein.append(b.text);
    const bool ok = !sperrt(befunde) && !eingaben_.isEmpty();
    speichernBtn_->setEnabled(ok);
    status_->setText(
        !allgemein.isEmpty() ? allgemein.join(u' ')
        : ok ? QStringLiteral("Alles geprüft. Mit »Speichern« kommen die Wörter ins Spiel.")
             : QStringLiteral("Bitte die rot markierten Wörter verbessern und neu prüfen."));
}

bool WoerterFrm::speichern() {
    const QList<PruefWort> woerter = gewaehlteWoerter();
    if (sperrt(pruefe(woerter, stand_->mittel())))
        return false;
    QList<EigenesWort> neu;
    for (const PruefWort& w : woerter)
        neu.append(alsEigenesWort(w));
    Wochenwahl wahl;
    wahl.behalten = behaltenBox_->isChecked();
    const NeubauErgebnis e = speichere(hostDir_, neu, wahl);
    if (!e.fehler.isEmpty()) {
        status_->setText(e.fehler);
        return false;
    }
    liste_ = e.liste;
    speichernBtn_->setEnabled(false);
    const QString gewartet = e.gewartet ? QStringLiteral("Ein anderes Speichern lief gerade; es "
                                                         "wurde abgewartet. ")
                                        : QString();
    status_->setText(gewartet +
                     QStringLiteral("Gespeichert: %1 Wörter. Im Startfenster stehen sie ganz "
                                    "oben als »Wörter der Woche«.")
                         .arg(neu.size()) +
                     (e.hinweis.isEmpty() ? QString() : u' ' + e.hinweis) +
                     (e.ohneStelle.isEmpty() ? QString() : u' ' + ohneStelleText(e.ohneStelle)));
    return true;
}

} // namespace zafku::woerter
