// The game's message windows: the general one and the exit question.

#include "ModalAntwort.h"
#include "dialogs/EndeFrm.h"
#include "dialogs/MldFenster.h"
#include "glob/SitzungsDaten.h"
#include "support/TestHilfe.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace zafku;

namespace {

QPushButton* knopf(const QWidget* d, const char* name) {
    return d->findChild<QPushButton*>(name);
}

void taste(QDialog* d, Qt::Key key) {
    QTest::keyClick(d->focusWidget() ? d->focusWidget() : d, key);
}

} // namespace

TEST(MldFenster, ModalQuestionReportsPressedButton) {
    const std::pair<std::function<void(QDialog*)>, QString> faelle[] = {
        {[](QDialog* d) { knopf(d, "Btn2")->click(); }, "nein"},
        {[](QDialog* d) { taste(d, Qt::Key_Return); }, "ja"},
        {[](QDialog* d) { taste(d, Qt::Key_Escape); }, "nein"},
        {[](QDialog* d) { d->close(); }, ""},
    };
    MldFenster f;
    for (const auto& [aktion, antwort] : faelle) {
        f.setzeAntwort("alt");
        beiModalemDialog(aktion);
        f.zeigeMeldung("Neues Spiel?", "&ja", "&nein", "Neues Spiel");
        EXPECT_EQ(f.antwort(), antwort);
        EXPECT_FALSE(f.isVisible());
    }
}

TEST(FrageBeenden, AsksTheHumanPlayersAndReportsTheAnswer) {
    const QString einer = "Bist du wirklich sicher, dass du Zafku beenden willst?";
    const QString mehrere = "Seid ihr wirklich sicher, dass ihr Zafku beenden wollt?";
    const std::tuple<int, int, QString, std::function<void(QDialog*)>, QString> faelle[] = {
        {1, 0, einer, [](QDialog* d) { knopf(d, "jaBtn")->click(); }, "ja"},
        {2, 0, mehrere, [](QDialog* d) { knopf(d, "neinBtn")->click(); }, "nein"},
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
        EXPECT_EQ(gezeigt, text) << nSpieler << " " << gegenComputer;
        EXPECT_EQ(frage.antwort(), antwort) << antwort.toStdString();
    }
    EXPECT_EQ(hilfe.aufrufe, QStringList{"Zafku.chm:3009"});
}
