#include "MeisterFrm.h"

#include "MeisterListe.h"
#include "dialogs/TextLabel.h"
#include "dialogs/Twips.h"
#include "platform/HelpViewer.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace zafku {

namespace {

QLabel* spalte(QWidget* eltern, int links, int oben, int breite, int hoehe,
               Qt::Alignment ausrichtung) {
    auto* l = textLabel(eltern);
    l->setGeometry(twips(links), twips(oben), twips(breite), twips(hoehe));
    l->setAlignment(ausrichtung | Qt::AlignTop);
    return l;
}

QString zeilen(const QString& text) {
    return QString(text).replace(u'\r', u'\n');
}

} // namespace

MeisterFrm::MeisterFrm(MeisterListe& liste, HelpViewer* hilfe, QString hilfeDatei, QWidget* parent)
    : HilfeDialog(kHilfeThema, parent), liste_(liste) {
    setzeHilfe(hilfe, hilfeDatei);
    setWindowTitle(QStringLiteral("Meisterliste"));
    QFont schrift = font();
    schrift.setPointSizeF(punkte(10));
    setFont(schrift);

    auto* Frame1 = new QGroupBox(this);
    Frame1->setGeometry(twips(120), twips(60), twips(6375), twips(3945));
    QFont fett = schrift;
    fett.setBold(true);
    const auto kopf = [&](const char* text, int links, int breite, Qt::Alignment a) {
        QLabel* l = spalte(Frame1, links, 240, breite, 300, a);
        l->setText(QString::fromUtf8(text));
        l->setFont(fett);
    };
    kopf("Name", 720, 3000, Qt::AlignLeft);
    kopf("Datum", 3840, 1320, Qt::AlignLeft);
    kopf("Punkte", 5160, 1020, Qt::AlignRight);

    // Ten lines of the list fit below the headings.
    constexpr int oben = 660, hoehe = 3120;
    lfdNrLbl = spalte(Frame1, 120, oben, 480, hoehe, Qt::AlignRight);
    MstNameLbl = spalte(Frame1, 720, oben, 3000, hoehe, Qt::AlignLeft);
    DatLbl = spalte(Frame1, 3840, oben, 1320, hoehe, Qt::AlignLeft);
    PunkteLbl = spalte(Frame1, 5160, oben, 1020, hoehe, Qt::AlignRight);
    fehlerLbl = spalte(Frame1, 240, oben, 5880, hoehe, Qt::AlignLeft);
    fehlerLbl->setWordWrap(true);

    okBtn = new QPushButton(QStringLiteral("&OK"), this);
    okBtn->setGeometry(twips(2640), twips(4140), twips(1215), twips(390));
    okBtn->setDefault(true);
    connect(okBtn, &QPushButton::clicked, this, &QDialog::accept);
    setFixedSize(twips(6615), twips(4680));
}

void MeisterFrm::lade() {
    const MeisterListe::Anzeige a = liste_.zeigeListe();
    lfdNrLbl->setText(zeilen(a.lfdNr));
    MstNameLbl->setText(zeilen(a.namen));
    DatLbl->setText(zeilen(a.daten));
    PunkteLbl->setText(zeilen(a.punkte));
    fehlerLbl->setText(zeilen(a.fehler));
    fehlerLbl->setVisible(!a.fehler.isEmpty());
}

void MeisterFrm::zeige() {
    if (!geladen_) {
        lade();
        geladen_ = true;
    }
    exec();
}

QString MeisterFrm::updateMeister(const SitzungsDaten& daten, const QString& datum) {
    return liste_.updateMeister(daten, datum);
}

} // namespace zafku
