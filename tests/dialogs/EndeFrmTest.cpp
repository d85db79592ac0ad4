#include "dialogs/EndeFrm.h"
#include "ModalAntwort.h"
#include "dialogs/LoesTippFrm.h"
#include "dialogs/Twips.h"
#include "glob/SitzungsDaten.h"
#include "support/TestHilfe.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace zafku;

namespace {

void klicke(QDialog* d, const char* name) {
    d->findChild<QPushButton*>(name)->click();
}

} // namespace

TEST(FrageBeenden, AsksTheHumanPlayersAndReportsTheAnswer) {
    const QString einer = "Bist du wirklich sicher, dass du Zafku beenden willst?";
    const QString mehrere = "Seid ihr wirklich sicher, dass ihr Zafku beenden wollt?";
    const std::tuple<int, int, QString, std::function<void(QDialog*)>, QString> faelle[] = {
        {1, 0, einer, [](QDialog* d) { klicke(d, "jaBtn"); }, "ja"},
        {2, 0, mehrere, [](QDialog* d) { klicke(d, "neinBtn"); }, "nein"},
        {2, 1, einer, [](QDialog* d) { QTest::keyClick(d, Qt::Key_Return); }, "ja"},
        {3, 1, mehrere, [](QDialog* d) { QTest::keyClick(d, Qt::Key_Escape); }, "nein"},
        {1, 0, einer, [](QDialog* d) { QTest::keyClick(d, Qt::Key_F1), d->close(); }, ""},
    };
    TestHilfe hilfe;
    EndeFrm frage(&hilfe, "/host/Zafku.chm");
    for (const auto& [nSpieler, gegenComputer, text, aktion, antwort] : faelle) {
        SitzungsDaten daten;
        daten.nSpieler = nSpieler;
        daten.gegenComputer = gegenComputer;
        QString gezeigt;
        beiModalemDialog([&, aktion = aktion](QDialog* d) {
            gezeigt = d->findChild<QLabel*>("Meldung")->text();
            aktion(d);
        });
        frageBeenden(daten, frage);
        EXPECT_EQ(daten.meldungsText, text) << nSpieler << " " << gegenComputer;
        EXPECT_EQ(gezeigt, text);
        EXPECT_EQ(frage.antwort(), antwort) << antwort.toStdString();
    }
    EXPECT_EQ(hilfe.aufrufe, QStringList{"Zafku.chm:3009"});
}

TEST(LoesTippFrm, WrapsTipAndCentresItInTheFrame) {
    LoesTippFrm tipp;
    const auto* rahmen = tipp.findChild<QGroupBox*>("TippFrame");
    const auto* text = tipp.findChild<QLabel*>("KatKurzHilfeLbl");
    const QString satz = "Sprichst du das i lang, schreibst du meistens ie. ";
    for (const QString& tippText : {satz, satz.repeated(3)}) {
        tipp.setzeTipp(tippText);
        EXPECT_LE(text->geometry().right(), rahmen->width());
        EXPECT_NEAR(text->y() + text->height() / 2.0, rahmen->height() / 2.0 + twips(60), 1.5);
    }
    EXPECT_GE(text->height(), 2 * text->fontMetrics().lineSpacing());
}
