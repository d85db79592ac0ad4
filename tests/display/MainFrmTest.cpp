#include "TestSpiel.h"
#include "dialogs/BildLabel.h"
#include "display/CompZugFrm.h"
#include "settings/EinstellFrm.h"

#include <QAction>
#include <QCheckBox>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace zafku;

namespace {

struct MainFrmTest : ::testing::Test, SpielMitAttrappen {
    MainFrmTest() { fenster.lade(); }
};

} // namespace

TEST_F(MainFrmTest, TypingSelectsAndEnterInserts) {
    fenster.show();
    QTest::keyClick(fenster.wLueckGrLst, Qt::Key_S);
    EXPECT_EQ(fenster.wLueckGrLst->currentRow(), 0);
    QTest::keyClick(fenster.wLueckGrLst, Qt::Key_S);
    EXPECT_EQ(fenster.wLueckGrLst->selectedItems().value(0)->text(), "ss");
    EXPECT_EQ(fenster.focusWidget(), fenster.einsetzenBtn);
    quelle.folge = {{test::aufgabe(7, "Kind", 2, 1), "ie,i"}};
    QTest::keyClick(fenster.einsetzenBtn, Qt::Key_Return);
    EXPECT_EQ(daten.punkte[0][0], 2 * (1 + 3));
    EXPECT_EQ(fenster.lueckWortLbl->text(), "K    nd");
    EXPECT_EQ(fenster.punkZiff[0]->text(), "0");
    // Tim clicks the first spelling, "i", and inserts it.
    const QListWidget* liste = fenster.wLueckGrLst;
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, {},
                      liste->visualItemRect(liste->item(0)).center());
    fenster.einsetzenBtn->click();
    EXPECT_EQ(daten.punkte[1][0], 2 * (1 + 2));
}

// A digit and Ctrl + letter bring a notice, Tab and Esc pass silently, and closing asks first.
TEST_F(MainFrmTest, NoKeyAndNoDeclinedCloseEndsTheGame) {
    fenster.show();
    ModalBeantworter beantworter;
    const std::tuple<Qt::Key, Qt::KeyboardModifier, QStringList> tasten[] = {
        {Qt::Key_1, Qt::NoModifier, {"Zafku"}},
        {Qt::Key_S, Qt::ControlModifier, {"Zafku", "Zafku"}},
        {Qt::Key_Tab, Qt::NoModifier, {"Zafku", "Zafku"}},
        {Qt::Key_Escape, Qt::NoModifier, {"Zafku", "Zafku"}}};
    for (const auto& [taste, zusatz, titel] : tasten) {
        QTest::keyClick(fenster.wLueckGrLst, taste, zusatz);
        EXPECT_EQ(beantworter.titel, titel) << taste;
    }
    EXPECT_TRUE(fenster.isVisible()) << "Esc does not close the game";
    beantworter.eigene = [](QWidget* w) {
        w->findChild<QPushButton*>("neinBtn")->click();
        return true;
    };
    fenster.close();
    EXPECT_EQ(beantworter.titel.size(), 3);
    EXPECT_TRUE(fenster.isVisible());
}

TEST_F(MainFrmTest, HelpMenusOpenTheirPages) {
    daten.katHilfeNr = 1305;
    for (const char* punkt : {"mnuHilfeSpielregeln", "mnuHilfeAktKat", "mnuHilfeBedienung"})
        fenster.menue.at(punkt)->trigger();
    // F1 in an open menu opens the topic of the item it stands on.
    for (auto punkt : {"mnuDateiInfo", "mnuBearbEinstell", "mnuHilfeInfo", "mnuHilfeSpielregeln"}) {
        auto* menue = qobject_cast<QMenu*>(fenster.menue.at(punkt)->associatedObjects().value(0));
        menue->setActiveAction(fenster.menue.at(punkt));
        QTest::keyClick(menue, Qt::Key_F1);
    }
    auto* menue = qobject_cast<QMenu*>(fenster.menue.at("mnuDateiInfo")->associatedObjects()[0]);
    menue->setActiveAction(nullptr);
    QTest::keyClick(menue, Qt::Key_F1); // on no item: the menu's own topic
    info.show();
    QTest::keyClick(&info, Qt::Key_F1); // and in the window " Datei-Info"
    EXPECT_EQ(hilfe.aufrufe.join(" ").toStdString(),
              "Zafku.chm:2000 Vesk.chm:1305 Zafku.chm Zafku.chm:3004 "
              "Zafku.chm:3003 Zafku.chm:3007 Zafku.chm:2000 Zafku.chm:1000 Zafku.chm:3004");
}

TEST_F(MainFrmTest, AWrongAnswerBlinksTheErrorLampAWhile) {
    ModalBeantworter beantworter;
    fenster.ablauf().checkBstWahl(0); // "s" is wrong for Fluss
    EXPECT_TRUE(fenster.lampenTimerObj->isActive());
    for (int i = 0; i < 12; ++i)
        fenster.ablauf().lampen.timerTick();
    EXPECT_FALSE(fenster.lampenTimerObj->isActive());
}

TEST_F(MainFrmTest, TheComputerJoinsThroughTheSettingsAndMovesBehindItsWindow) {
    fenster.show();
    QStringList gesehen;
    ModalBeantworter beantworter;
    beantworter.eigene = [&](QWidget* w) {
        if (auto* einst = qobject_cast<EinstellFrm*>(w))
            einst->gegenComp->setChecked(true);
        else if (w == fenster.compZugFrm && gesehen.isEmpty())
            gesehen << fenster.compZugFrm->label2->text()
                    << QString::number(fenster.menue.at("mnuDateiEnde")->isEnabled())
                    << QString::number(fenster.menue.at("mnuHilfeBedienung")->isEnabled());
        return w == fenster.compZugFrm;
    };
    daten.aktSpieler = 1;
    fenster.menue.at("mnuBearbEinstell")->trigger();
    EXPECT_EQ(daten.nSpieler, 3);
    EXPECT_EQ(daten.aktSpieler, 0) << "the turn order starts again";
    EXPECT_TRUE(info.spName[2]->isVisibleTo(&info));
    EXPECT_EQ(info.spName[2]->text(), "Computer");

    quelle.folge.push_back({test::aufgabe(7, "Kind", 2, 1), "ie,i"});
    quelle.folge.push_back({test::aufgabe(8, "Biene", 2, 2), "ie,i"});
    fenster.ablauf().checkBstWahl(1); // Anna: "ss"
    fenster.ablauf().checkBstWahl(1); // Tim: "ie"; the computer's window stays until it is right
    EXPECT_EQ(gesehen, QStringList({"Jetzt darf ich raten, was in die Lücke gehört.", "0", "1"}));
    EXPECT_FALSE(fenster.compZugFrm->isVisible());
    EXPECT_EQ(daten.aktSpieler, 0);
    EXPECT_GT(daten.punkte[2][0], 0);
    EXPECT_TRUE(fenster.menue.at("mnuDateiEnde")->isEnabled());
}

TEST_F(MainFrmTest, SettingsCancelKeepsAllAndTheGuessTimeSwitchesAtOnce) {
    fenster.show();
    bool abbrechen = true;
    ModalBeantworter beantworter;
    beantworter.eigene = [&](QWidget* w) {
        auto* einst = qobject_cast<EinstellFrm*>(w);
        if (!einst)
            return false;
        einst->rateZeitEin->toggle();
        einst->spSt[1]->setChecked(true); // "schwach"
        if (!abbrechen)
            return false;
        einst->gegenComp->toggle();
        einst->einstSaveOpt->toggle();
        einst->tonEin->toggle();
        einst->abbrBtn->click();
        return true;
    };
    const int spieler = daten.nSpieler;
    const int rate = daten.rateZeitBegrenzen;
    const bool lief = fenster.restZeitTimerObj->isActive();
    fenster.menue.at("mnuBearbEinstell")->trigger();
    EXPECT_EQ(daten.nSpieler, spieler);
    EXPECT_EQ(daten.rateZeitBegrenzen, rate);
    EXPECT_EQ(daten.compSpielStaerke, 0) << "stark, as before";
    EXPECT_EQ(fenster.restZeitTimerObj->isActive(), lief);
    const EinstellKontrollen& k = fenster.ablauf().einstellungen;
    EXPECT_EQ(std::tuple(k.einstSaveOpt, k.tonEin, k.rateZeitEin),
              std::tuple(daten.einstSpeichern == 1, daten.tonEin == 1, rate == 1));
    abbrechen = false;
    for (int runde = 0; runde < 2; ++runde) {
        fenster.menue.at("mnuBearbEinstell")->trigger();
        EXPECT_EQ(daten.rateZeitBegrenzen, runde == 0 ? 1 - rate : rate);
        EXPECT_EQ(fenster.restZeitTimerObj->isActive(), daten.rateZeitBegrenzen == 1);
    }
    EXPECT_EQ(daten.compSpielStaerke, 1) << "schwach";
}

// The end runs in a child process, which it must end at once, with no window after it.
TEST_F(MainFrmTest, ProgramEndLeavesTheProcessFromInsideNestedModalWindows) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    // Either the game time runs out, or the window is closed.
    const std::pair<bool, const char*> faelle[] = {
        {false, "Lösungstipp|Ende des Spiels|Meister|Einstellungen|"},
        {true, "Lösungstipp|Meister|Einstellungen|"},
    };
    for (const auto& [zu, ende] : faelle) {
        const bool schliessen = zu; // a lambda may not capture a structured binding
        const auto kind = [&] {
            daten.spielZeitFaktor = 15;
            fenster.ende().schlafe = [&] { uhr.sekunden += 0.5; };
            fenster.ende().updateMeister = [] { std::fputs("> Meister\n", stderr); };
            fenster.ende().saveVokraIni = [] { std::fputs("> Einstellungen\n", stderr); };
            // Every modal window is named and then left open, except the end message.
            ModalBeantworter beantworter;
            QWidget* gesehen = nullptr;
            beantworter.eigene = [&](QWidget* w) {
                if (w == &fenster || std::exchange(gesehen, w) == w)
                    return true;
                std::fprintf(stderr, "> %s\n", qPrintable(w->windowTitle()));
                if (w->windowTitle() == QLatin1String("Ende des Spiels"))
                    return false;
                QTimer::singleShot(0, [&] {
                    if (schliessen)
                        fenster.close();
                    else
                        uhr.sekunden += 300, fenster.ablauf().energTick();
                });
                return true;
            };
            QTimer::singleShot(0, &fenster, [&] { fenster.loesTippBtn->click(); });
            // One step of the game time ends the game; a closed window ends it at once.
            fenster.ablauf().restZeitStand.hoehe = schliessen ? 50 : 400;
            fenster.exec();
            std::fputs("> zurück\n", stderr);
            std::exit(3);
        };
        // The child's own lines start with "> "; anything else is the platform's.
        const auto schritte = [](const std::string& text) {
            std::string folge;
            for (const QString& zeile : QString::fromStdString(text).split(u'\n'))
                if (zeile.startsWith(QLatin1String("> ")))
                    folge += zeile.mid(2).toStdString() + "|";
            return folge;
        };
        EXPECT_EXIT(kind(), ::testing::ExitedWithCode(0),
                    ::testing::ResultOf(schritte, ::testing::Eq(ende)))
            << ende;
    }
}
