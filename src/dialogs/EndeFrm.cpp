#include "EndeFrm.h"

#include "DialogBild.h"
#include "Twips.h"
#include "platform/HelpViewer.h"
#include "glob/SitzungsDaten.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace zafku {

namespace {

QPushButton* erzeugeKnopf(EndeFrm* dialog, const char* name, const QString& text, int links) {
    auto* knopf = new QPushButton(text, dialog);
    knopf->setObjectName(QLatin1String(name));
    knopf->setGeometry(twips(links), twips(1260), twips(1320), twips(450));
    QObject::connect(knopf, &QPushButton::clicked, dialog, [dialog, knopf] {
        dialog->setzeAntwort(knopf->text());
        dialog->accept();
    });
    return knopf;
}

} // namespace

EndeFrm::EndeFrm(HelpViewer* hilfe, QString hilfeDatei, QWidget* parent)
    : AntwortDialog(parent, kHilfeThema) {
    setzeHilfe(hilfe, hilfeDatei);
    setWindowTitle(QStringLiteral("Zafku beenden"));
    erzeugeBildLabel(this, DialogBild::Frage, 150, 60);
    auto* rahmen = new QGroupBox(this);
    rahmen->setObjectName(QStringLiteral("MldFrame"));
    rahmen->setGeometry(twips(960), twips(90), twips(2745), twips(1095));
    meldung_ = new QLabel(rahmen);
    meldung_->setObjectName(QStringLiteral("Meldung"));
    meldung_->setTextFormat(Qt::PlainText);
    meldung_->setWordWrap(true);
    meldung_->setGeometry(twips(120), twips(210), twips(2490), twips(750));
    QPushButton* ja = erzeugeKnopf(this, "jaBtn", QStringLiteral("&ja"), 90);
    QPushButton* nein = erzeugeKnopf(this, "neinBtn", QStringLiteral("&nein"), 2370);
    setzeStandardKnopf(ja);
    setzeAbbrechenKnopf(nein);
    setFixedSize(twips(3795), twips(1800));
}

void EndeFrm::setzeMeldung(const QString& text) {
    meldung_->setText(text);
}

void frageBeenden(SitzungsDaten& daten, EndeFrm& frage) {
    int menschen = daten.nSpieler;
    if (daten.gegenComputer == 1)
        --menschen;
    daten.meldungsText =
        menschen < 2 ? QStringLiteral("Bist du wirklich sicher, dass du Zafku beenden willst?")
                     : QStringLiteral("Seid ihr wirklich sicher, dass ihr Zafku beenden wollt?");
    frage.setzeMeldung(daten.meldungsText);
    frage.exec();
}

} // namespace zafku
