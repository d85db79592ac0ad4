#include "display/MainFrm.h"
#include "dialogs/MldFenster.h"
#include "dialogs/Twips.h"
#include "display/CompZugFrm.h"
#include "display/DateiInfoFrm.h"
#include "display/TextBreite.h"
#include "game/Fakes.h"
#include "platform/Clock.h"
#include "platform/HelpViewer.h"
#include "settings/EinstellFrm.h"
#include "sound/SoundMod.h"
#include "startup/SitzungsDaten.h"
#include "support/TempHost.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "support/FesteUhr.h"

#include <gtest/gtest.h>

using namespace zafku;

namespace {

class Hilfe : public HelpViewer {
  public:
    QStringList aufrufe;
    void showTopic(const QString& f, long t) override {
        aufrufe.append(f.section('/', -1) + ":" + QString::number(t));
    }
    void showDefault(const QString& f) override { aufrufe.append(f.section('/', -1)); }
    void closeAll(const QString&) override {}
};

// Presses the default button of every modal window that opens, and counts them.
class ModalBeantworter {
  public:
    ModalBeantworter() {
        timer_.setInterval(20);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            if (QWidget* w = QApplication::activeModalWidget(); w && w != erlaubt) {
                titel.append(w->windowTitle());
                QTest::keyClick(w, Qt::Key_Return);
            }
        });
        timer_.start();
    }
    QWidget* erlaubt = nullptr;
    QStringList titel;

  private:
    QTimer timer_;
};

class MainFrmTest : public ::testing::Test {
  protected:
    MainFrmTest() {
        host.writeHostFile("Vokra.ini", {"[Zafku]", "TonEinschalten=0"});
        daten.appPfad = host.path();
        daten.hilfeDatei = host.file("Zafku.chm");
        daten.nSpieler = 2;
        daten.spielerName = {"Anna", "Tim"};
        daten.spielerDatei = {"anna", "tim"};
        quelle.folge = {{test::aufgabe(5, "Fluss", 4, 2, 1, "Der @ ist breit."), "ss,s,ß"},
                        {test::aufgabe(6, "Biene", 2, 2), "ie,i"}};
        fenster.lade();
    }
    TempHost host;
    SitzungsDaten daten;
    test::TestQuelle quelle;
    test::TestAudio audio;
    SoundMod sound{daten, audio};
    test::SkriptZufall zufall;
    FesteUhr uhr;
    Hilfe hilfe;
    MldFenster mld;
    DateiInfoFrm info;
    MainFrm fenster{{daten, quelle, sound, zufall, uhr, hilfe, mld, info}};
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
    EXPECT_EQ(fenster.leseLupe->x(),
              fenster.lueckWortLbl->x() + twips(textBreite("Flu", 1, 3, true)));
    EXPECT_EQ(fenster.leseLupe->width(), twips(textBreite("    ", 1, 4, true)));
    EXPECT_EQ(fenster.spNameLbl->text(), "Anna");
    EXPECT_EQ(fenster.spFldFrame[1]->title(), "Tim");
    EXPECT_EQ(fenster.uebTitelLabel->text(), "");
    EXPECT_EQ(info.datInfLbl->text(), "42");
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

TEST_F(MainFrmTest, MenusCarryCaptionsTopicsAndSwitchTogether) {
    const struct {
        const char* name;
        const char* titel;
        long thema;
        bool geschaltet;
    } menues[] = {
        {"mnuDateiNeu", "&Neu ...", 3006, true},
        {"mnuDateiInfo", "&Info ...", 3004, true},
        {"mnuDateiMeisterliste", "&Meisterliste ...", 3005, true},
        {"mnuDateiEnde", "&Ende ...", 3009, true},
        {"mnuBearbEinstell", "&Einstellungen ...", 3003, true},
        {"mnuHilfeInfo", "&Info über ...", 3007, true},
        {"mnuHilfeBedienung", "&Bedienungshinweise ...", 1000, false},
        {"mnuHilfeSpielregeln", "&Spielregeln ...", 2000, true},
        {"mnuHilfeAktKat", "Üb&ungsschwerpunkt ...", 3008, true},
        {"mnuDatei", "&Datei", 1000, false},
    };
    fenster.setzeMenues(false);
    for (const auto& m : menues) {
        const QAction* a = fenster.menue.at(m.name);
        EXPECT_EQ(a->text(), QString::fromUtf8(m.titel));
        EXPECT_EQ(a->data().toLongLong(), m.thema) << m.name;
        EXPECT_EQ(a->isEnabled(), !m.geschaltet) << m.name;
    }
    fenster.setzeMenues(true);
    EXPECT_TRUE(fenster.menue.at("mnuDateiNeu")->isEnabled());

    daten.katHilfeNr = 1305;
    fenster.menue.at("mnuHilfeSpielregeln")->trigger();
    fenster.menue.at("mnuHilfeAktKat")->trigger();
    fenster.menue.at("mnuHilfeBedienung")->trigger();
    EXPECT_EQ(hilfe.aufrufe, QStringList({"Zafku.chm:2000", "Vesk.chm:1305", "Zafku.chm"}));
}

TEST_F(MainFrmTest, LampsFollowTheGame) {
    ModalBeantworter beantworter;
    fenster.ablauf().checkBstWahl(0); // "s" is wrong for Fluss
    EXPECT_EQ(beantworter.titel, QStringList({"Fehler"}));
    EXPECT_TRUE(fenster.lampenTimerObj->isActive());
    EXPECT_FALSE(fenster.falschImg->pixmap().isNull());
    EXPECT_EQ(fenster.falschLbl->palette().color(QPalette::WindowText),
              fenster.palette().color(QPalette::ButtonText));
    for (int i = 0; i < 12; ++i)
        fenster.ablauf().lampen.timerTick();
    EXPECT_FALSE(fenster.lampenTimerObj->isActive());
    EXPECT_EQ(fenster.falschLbl->palette().color(QPalette::WindowText),
              fenster.palette().color(QPalette::Disabled, QPalette::WindowText));
}

TEST_F(MainFrmTest, TheComputerJoinsThroughTheSettingsAndMovesBehindItsWindow) {
    fenster.show();
    QStringList gesehen;
    QTimer wache;
    wache.setInterval(20);
    QObject::connect(&wache, &QTimer::timeout, [&] {
        QWidget* w = QApplication::activeModalWidget();
        if (auto* einst = qobject_cast<EinstellFrm*>(w)) {
            einst->gegenComp->setChecked(true);
            QTest::keyClick(einst, Qt::Key_Return);
        } else if (w == fenster.compZugFrm && gesehen.isEmpty()) {
            gesehen << fenster.compZugFrm->label2->text()
                    << QString::number(fenster.menue.at("mnuDateiEnde")->isEnabled())
                    << QString::number(fenster.menue.at("mnuHilfeBedienung")->isEnabled());
        }
    });
    wache.start();
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
