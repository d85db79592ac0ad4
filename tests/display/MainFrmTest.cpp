#include "TestSpiel.h"
#include "display/CompZugFrm.h"
#include "display/InfoFrm.h"
#include "display/VuNadel.h"
#include "settings/EinstellFrm.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace zafku;

namespace {

// Notes the caption of every modal window that opens and presses Return in it, unless
// eigene has dealt with the window.
struct ModalBeantworter {
    ModalBeantworter() {
        QObject::connect(&timer, &QTimer::timeout, [this] {
            if (QWidget* w = QApplication::activeModalWidget()) {
                titel.append(w->windowTitle());
                if (!eigene(w))
                    QTest::keyClick(w, Qt::Key_Return);
            }
        });
        timer.start(20);
    }
    std::function<bool(QWidget*)> eigene = [](QWidget*) { return false; };
    QStringList titel;
    QTimer timer;
};

class MainFrmTest : public ::testing::Test, protected SpielMitAttrappen {
  protected:
    MainFrmTest() { fenster.lade(); }
};

QStringList eintraege(const QListWidget* liste) {
    QStringList texte;
    for (int i = 0; i < liste->count(); ++i)
        texte.append(liste->item(i)->text());
    return texte;
}

} // namespace

TEST_F(MainFrmTest, ShowsTheTaskWithTheGapMarkOverTheGap) {
    EXPECT_EQ(fenster.lueckWortLbl->text(), "Flu    ");
    EXPECT_EQ(fenster.lueckSatzLbl->text(), "Der Flu__ ist breit.");
    EXPECT_EQ(eintraege(fenster.wLueckGrLst), QStringList({"s", "ss", QString::fromUtf8("ß")}));
    EXPECT_TRUE(fenster.wLueckGrLst->isEnabled());
    EXPECT_TRUE(fenster.leseLupe->isVisibleTo(&fenster));
    EXPECT_EQ(fenster.spNameLbl->text(), "Anna");
    EXPECT_EQ(fenster.spFldFrame[1]->title(), "Tim");
    EXPECT_EQ(fenster.uebTitelLabel->text(), "");
    EXPECT_EQ(info.datInfLbl[0]->text(), "42");
}

TEST_F(MainFrmTest, TypingSelectsAndEnterInserts) {
    fenster.show();
    QTest::keyClick(fenster.wLueckGrLst, Qt::Key_S);
    EXPECT_EQ(fenster.wLueckGrLst->currentRow(), 0);
    QTest::keyClick(fenster.wLueckGrLst, Qt::Key_S);
    EXPECT_EQ(fenster.wLueckGrLst->selectedItems().value(0)->text(), "ss");
    EXPECT_EQ(fenster.focusWidget(), fenster.einsetzenBtn);
    QTest::keyClick(fenster.einsetzenBtn, Qt::Key_Return);
    EXPECT_EQ(daten.punkte[0][0], 2 * (1 + 3));
    EXPECT_EQ(daten.aktSpieler, 1);
    EXPECT_EQ(fenster.lueckWortLbl->text(), "B    ne");
    EXPECT_EQ(fenster.punkZiff[0]->text(), "0");
}

TEST_F(MainFrmTest, ANonLetterKeyShowsThePlainNotice) {
    fenster.show();
    ModalBeantworter beantworter;
    QTest::keyClick(fenster.wLueckGrLst, Qt::Key_1, Qt::NoModifier);
    EXPECT_EQ(beantworter.titel, QStringList({"Zafku"}));
    QTest::keyClick(fenster.wLueckGrLst, Qt::Key_Tab);
    QTest::keyClick(fenster.wLueckGrLst, Qt::Key_Escape);
    EXPECT_EQ(beantworter.titel.size(), 1) << "Tab and Esc pass silently";
    EXPECT_TRUE(fenster.isVisible()) << "Esc does not close the game";
}

// While the computer moves only the operating help stays at hand.
TEST_F(MainFrmTest, MenusSwitchTogetherAndOpenTheirHelp) {
    for (const bool frei : {false, true}) {
        fenster.setzeMenues(frei);
        for (const auto& [name, a] : fenster.menue) {
            if (a->isSeparator() || a->menu())
                continue;
            EXPECT_EQ(a->isEnabled(), frei || name == "mnuHilfeBedienung") << name.toStdString();
        }
    }
    daten.katHilfeNr = 1305;
    for (const char* punkt : {"mnuHilfeSpielregeln", "mnuHilfeAktKat", "mnuHilfeBedienung"})
        fenster.menue.at(punkt)->trigger();
    EXPECT_EQ(hilfe.aufrufe, QStringList({"Zafku.chm:2000", "Vesk.chm:1305", "Zafku.chm"}));
}

TEST_F(MainFrmTest, LongNamesShrinkThenEndInAnEllipsis) {
    const QString lang = QString::fromUtf8("Maximilian Müller-Lüdenscheidt");
    const std::array<Farbe, 25> felder{};
    fenster.zeigeSlot(0, 0, lang, felder);
    fenster.zeigeSlot(1, 1, lang, felder);
    const std::tuple<QWidget*, QString, int> orte[] = {
        {fenster.spNameLbl, fenster.spNameLbl->text(), fenster.spNameLbl->width()},
        {fenster.spFldFrame[1], fenster.spFldFrame[1]->title(),
         fenster.spFldFrame[1]->width() - 8}};
    for (const auto& [w, text, platz] : orte) {
        EXPECT_TRUE(text.endsWith(QChar(0x2026)) && lang.startsWith(text.chopped(1)))
            << text.toStdString();
        EXPECT_GT(text.size(), 5);
        EXPECT_LE(QFontMetrics(w->font()).horizontalAdvance(text), platz);
        EXPECT_GE(w->font().pointSizeF(), 7);
        EXPECT_EQ(w->toolTip(), lang);
    }
    fenster.zeigeSlot(0, 0, "Tim", felder);
    EXPECT_EQ(fenster.spNameLbl->text(), "Tim");
    EXPECT_EQ(fenster.spNameLbl->font().pointSizeF(), 14.25);
}

TEST_F(MainFrmTest, NamesAndWordsAreShownAsTheyAreNeverAsMarkup) {
    const QString roh = "<u>Anna</u>";
    daten.spielerName[0] = roh;
    info.zeigeSpieler(daten);
    fenster.zeigeSlot(0, 0, roh, {});
    fenster.zeigeAufgabe(roh, roh, roh, {});
    fenster.zeigeKategorie(QString(), roh);
    for (const QLabel* l : {fenster.spNameLbl, fenster.kontextLbl, fenster.lueckWortLbl,
                            fenster.lueckSatzLbl, fenster.uebTitelLabel, info.spName[0]})
        EXPECT_EQ(l->textFormat(), Qt::PlainText) << qPrintable(l->text());
    fenster.zeigeSlot(0, 0, roh.repeated(9), {}); // too long: the full name is the tool tip
    EXPECT_TRUE(fenster.spNameLbl->toolTip().contains("&lt;u&gt;Anna"));
}

TEST_F(MainFrmTest, LampsFollowTheGame) {
    ModalBeantworter beantworter;
    fenster.ablauf().checkBstWahl(0); // "s" is wrong for Fluss
    EXPECT_EQ(beantworter.titel, QStringList({"Fehler"}));
    EXPECT_TRUE(fenster.lampenTimerObj->isActive());
    EXPECT_FALSE(fenster.falschImg->pixmap().isNull());
    const QString lit = fenster.falschLbl->styleSheet();
    for (int i = 0; i < 12; ++i)
        fenster.ablauf().lampen.timerTick();
    EXPECT_FALSE(fenster.lampenTimerObj->isActive());
    EXPECT_NE(fenster.falschLbl->styleSheet(), lit) << "label greyed";
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

TEST_F(MainFrmTest, InfoDialogsShowWordsPointsAndTheVersion) {
    daten.punkte[0][0] = 120;
    ModalBeantworter beantworter;
    fenster.menue.at("mnuDateiInfo")->trigger();
    EXPECT_EQ(QStringList({info.spName[0]->text(), info.spPunkte[0]->text(), info.spName[1]->text(),
                           info.spPunkte[1]->text()}),
              QStringList({"Anna", "120", "Tim", "0"}));
    EXPECT_FALSE(info.spPunkte[0]->isHidden() || info.spPunkte[1]->isHidden());
    EXPECT_TRUE(info.spName[2]->isHidden() && info.spPunkte[3]->isHidden());
    EXPECT_EQ(info.datInfLbl[1]->text(), "nein");
    EXPECT_FALSE(info.isVisible()) << "OK hides it";

    fenster.menue.at("mnuHilfeInfo")->trigger();
    EXPECT_EQ(fenster.infoFrm->relLbl->text(), ZAFKU_VERSION_TEXT);
    EXPECT_EQ(beantworter.titel, QStringList({" Datei-Info", "Info über ..."}));
}

TEST_F(MainFrmTest, DialAndBarFollowTheClocks) {
    EXPECT_TRUE(fenster.energTimerObj->isActive());
    EXPECT_FALSE(fenster.restZeitTimerObj->isActive());
    EXPECT_FALSE(fenster.vuRestZeitImage->property("ein").toBool());
    fenster.ablauf().rateZeit = 300;
    fenster.ablauf().naechsterSpieler();
    EXPECT_EQ(fenster.ablauf().rateZeit, 300) << "without the limit a turn keeps the dial";
    fenster.ablauf().switchVuRestZeit(true);
    EXPECT_TRUE(fenster.restZeitTimerObj->isActive());
    EXPECT_TRUE(fenster.vuRestZeitImage->property("ein").toBool());
    for (int i = 0; i < 10; ++i)
        fenster.ablauf().restZeitTick();
    EXPECT_EQ(fenster.vuNadel->linie().x2, vuZeigerLinie(500).x2) << "straight up at half time";
    fenster.ablauf().switchVuRestZeit(false);
    EXPECT_FALSE(fenster.restZeitTimerObj->isActive());
    EXPECT_FALSE(fenster.vuRestZeitImage->property("ein").toBool());
    EXPECT_EQ(fenster.vuNadel->linie().x2, vuZeigerLinie(0).x2) << "back at the left stop";

    const QRect voll = fenster.restZeitStand->geometry();
    daten.spielZeitFaktor = 5;
    uhr.sekunden += 300;
    fenster.ablauf().energTick();
    EXPECT_EQ(fenster.restZeitStand->geometry().bottom(), voll.bottom());
    EXPECT_LT(fenster.restZeitStand->height(), voll.height());
}

TEST_F(MainFrmTest, AnExpiryShowsOnTopOfAnOpenMessage) {
    fenster.ablauf().switchVuRestZeit(true);
    ModalBeantworter beantworter;
    bool abgelaufen = false;
    beantworter.eigene = [&](QWidget* w) {
        if (w->windowTitle() != QLatin1String("Fehler") || std::exchange(abgelaufen, true))
            return false;
        // A timer does not fire again while its own handler runs: the tick gets its own.
        QTimer::singleShot(0, [&] {
            fenster.ablauf().rateZeit = 950;
            fenster.ablauf().restZeitTick();
        });
        return true;
    };
    fenster.ablauf().checkBstWahl(0); // "s" is wrong for Fluss
    EXPECT_EQ(beantworter.titel, QStringList({"Fehler", "Ende der Ratezeit", "Fehler"}));
    EXPECT_EQ(daten.aktSpieler, 1);
    EXPECT_EQ(fenster.spNameLbl->text(), "Tim");
}

TEST_F(MainFrmTest, ClosingAsksUnlessThePlayTimeIsOver) {
    ModalBeantworter beantworter;
    beantworter.eigene = [](QWidget* w) {
        w->findChild<QPushButton*>("neinBtn")->click();
        return true;
    };
    fenster.show();
    fenster.close();
    EXPECT_EQ(beantworter.titel.size(), 1);
    EXPECT_TRUE(fenster.isVisible());
}

// The end runs in a child process: it must end that process at once, from inside
// nested modal windows, without any window after it.
TEST_F(MainFrmTest, ProgramEndLeavesTheProcessFromInsideNestedModalWindows) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    // Either the game time runs out, or the window is closed.
    const std::pair<bool, const char*> faelle[] = {
        {false, "Lösungstipp|Ende des Spiels|Meister|Einstellungen|"},
        {true, "Lösungstipp|Meister|Einstellungen|"},
    };
    for (const auto& fall : faelle) {
        const bool schliessen = fall.first;
        const char* const ende = fall.second;
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
                QTimer::singleShot(0, [&, schliessen] {
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
