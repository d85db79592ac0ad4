#include "settings/EinstellFrm.h"
#include "dialogs/ModalAntwort.h"
#include "platform/HelpViewer.h"
#include "startup/SitzungsDaten.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace zafku;

namespace {

class Hilfe : public HelpViewer {
  public:
    QStringList aufrufe;
    void showTopic(const QString& f, long t) override {
        aufrufe.append(f + ":" + QString::number(t));
    }
    void showDefault(const QString&) override {}
    void closeAll(const QString&) override {}
};

struct Dialog {
    explicit Dialog(int menschen) {
        daten.nSpieler = menschen;
        daten.hilfeDatei = "Zafku.chm";
        daten.tonEin = 1;
        daten.einstSpeichern = 1;
        kontrollen.computerWaehlbar = menschen < 4;
    }
    SitzungsDaten daten;
    EinstellKontrollen kontrollen;
    Hilfe hilfe;
    EinstellFrm frm{daten, kontrollen, &hilfe};
};

} // namespace

TEST(EinstellFrm, OkTakesTheBoxesOverAndEscPutsTheOldStatesBack) {
    Dialog d(3);
    beiModalemDialog([&](QDialog*) {
        d.frm.tonEin->setChecked(false);
        d.frm.gegenComp->setChecked(true);
        QTest::keyClick(d.frm.gegenComp, Qt::Key_Escape);
    });
    EXPECT_FALSE(d.frm.zeige());
    EXPECT_TRUE(d.frm.tonEin->isChecked());
    EXPECT_FALSE(d.frm.gegenComp->isChecked());
    EXPECT_EQ(d.daten.tonEin, 1);

    beiModalemDialog([&](QDialog*) {
        EXPECT_TRUE(d.frm.tonEin->isChecked()) << "shows the states in force when reopened";
        d.frm.gegenComp->setChecked(true);
        d.frm.spSt[1]->setChecked(true);
        QTest::keyClick(d.frm.tonEin, Qt::Key_F1);
        QTest::keyClick(d.frm.tonEin, Qt::Key_Return);
    });
    EXPECT_TRUE(d.frm.zeige()) << "the computer joined";
    EXPECT_EQ(d.daten.nSpieler, 4);
    EXPECT_EQ(d.daten.gegenComputer, 1);
    EXPECT_EQ(d.daten.compSpielStaerke, 1);
    EXPECT_EQ(d.hilfe.aufrufe, QStringList({"Zafku.chm:3003"}));
    EXPECT_FALSE(d.frm.isVisible());
}

TEST(EinstellFrm, FourNamedPlayersLeaveNoSeatForTheComputer) {
    Dialog d(4);
    beiModalemDialog([&](QDialog* w) {
        EXPECT_FALSE(d.frm.gegenComp->isEnabled());
        EXPECT_FALSE(d.frm.spSt[0]->isEnabled());
        EXPECT_FALSE(d.frm.spSt[1]->isEnabled());
        EXPECT_TRUE(d.frm.tonEin->isEnabled());
        d.frm.okBtn->click();
    });
    EXPECT_FALSE(d.frm.zeige());
    EXPECT_EQ(d.daten.nSpieler, 4);
}
