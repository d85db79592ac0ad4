#include "SpielAufbau.h"
#include "game/ProgrammEnde.h"
#include "glob/SpielBilanz.h"
#include "support/TestHilfe.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace zafku;

namespace {

class ZeitTest : public ::testing::Test, protected test::SpielAufbau {
  protected:
    ZeitTest() : SpielAufbau(1000) {}
    // A child alone plays against the computer.
    void starte(int ratezeit, int faktor, const QStringList& namen = {"Veze Vuvu", "Tim"}) {
        bereite({"[Sound]", "ProgrammMeldung=ding", "[Zafku]", "TonEinschalten=1",
                 QStringLiteral("GegenComputer=%1").arg(namen.size() == 1 ? 1 : 0),
                 "RatezeitBegrenzen=" + QString::number(ratezeit)},
                namen, {"ding"});
        daten.spielZeitFaktor = faktor;
        quelle.folge = {{test::aufgabe(11, "Biene", 2, 2, 1, "Die @ summt."), "ie,i"},
                        {test::aufgabe(12, "Kind", 2, 1), "ie,i"}};
        zufall.werte = {13, 4};
        sound.ladeSoundTabelle();
        ablauf.lade();
    }
    void ticks(int n) {
        for (int i = 0; i < n; ++i)
            ablauf.restZeitTick();
    }
};

} // namespace

TEST_F(ZeitTest, TwentiethTickPassesTheTurnWithTheSameTask) {
    starte(1, 0);
    EXPECT_TRUE(zeit.skalaEin);
    ticks(19);
    EXPECT_EQ(ablauf.rateZeit, 950);
    EXPECT_EQ(zeit.zeiger.x2, vuZeigerLinie(950).x2);
    EXPECT_TRUE(anzeige.meldungen.isEmpty());
    const QByteArray protokoll = host.readBytes("User/veze.tmp");
    anzeige.waehrendMeldung = [&] {
        EXPECT_FALSE(zeit.restZeitLaeuft) << "one expiry, one message";
    };
    ticks(1);
    EXPECT_EQ(anzeige.meldungen, QStringList({"Ende der Ratezeit: Die Ratezeit ist leider\r"
                                              "abgelaufen, Veze."}));
    EXPECT_EQ(audio.gespielt.size(), 1);
    // A new field, the same task.
    EXPECT_EQ(sicht(), "Tim | B    ne | K1 | 000000 | G | ding.WAV");
    EXPECT_EQ(quelle.gezogen, 1);
    EXPECT_EQ(zeit.zeiger.x2, vuZeigerLinie(0).x2);
    EXPECT_TRUE(zeit.restZeitLaeuft);
    EXPECT_EQ(daten.punkte[0][0], 0);
    EXPECT_EQ(host.readBytes("User/veze.tmp"), protokoll) << "no protocol line";
}

TEST_F(ZeitTest, WrongAnswerKeepsTheGuessTimeAndATurnChangeOrSwitchingOnResetsIt) {
    starte(1, 0);
    ticks(10);
    ablauf.waehleEintrag(index("i"));
    ablauf.einsetzen();
    EXPECT_EQ(ablauf.rateZeit, 500);
    ablauf.waehleEintrag(index("ie"));
    ablauf.einsetzen();
    EXPECT_EQ(daten.aktSpieler, 1);
    EXPECT_EQ(ablauf.rateZeit, 0);
    ticks(5), ablauf.switchVuRestZeit(true); // switched on again in the settings
    EXPECT_EQ(ablauf.rateZeit, 0);
}

TEST_F(ZeitTest, FifteenMinutesEndAfter181TicksFiveSecondsApart) {
    starte(1, 5);
    EXPECT_TRUE(zeit.energLaeuft);
    EXPECT_EQ(zeit.stand.hoehe, 4605);
    int n = 0;
    while (zeit.enden == 0 && n < 1000) {
        uhr.sekunden += 5;
        ablauf.energTick();
        ++n;
        if (n == 1) {
            EXPECT_EQ(zeit.stand.hoehe, 4580);
            // A new game keeps the bar where it is.
            anzeige.antworten = {"ja"};
            ablauf.neuesSpiel();
            EXPECT_EQ(ablauf.restZeitStand.hoehe, 4580);
        }
    }
    EXPECT_EQ(n, 181);
    EXPECT_EQ(zeit.stand.hoehe, 80);
    EXPECT_FALSE(zeit.energLaeuft);
    EXPECT_FALSE(zeit.restZeitLaeuft);
    EXPECT_EQ(anzeige.meldungen.last(),
              "Ende des Spiels: Die Höchstspielzeit ist abgelaufen!\rZafku wird jetzt beendet.");
    EXPECT_TRUE(ablauf.spielZeitAbgelaufen());
}

TEST(VuMeter, TheNeedleSweepsFromLowerLeftOverTheTopToLowerRight) {
    const VuLinie l = vuZeigerLinie(0), o = vuZeigerLinie(500), r = vuZeigerLinie(1000);
    EXPECT_TRUE(l.x2 < l.x1 && o.x2 == o.x1 && r.x2 > r.x1 && l.y2 > o.y2 && r.y2 > o.y2);
}

TEST(RestZeitStand, ShrinksFromTheTopAndNeverBelowZero) {
    const int faelle[][3] = {{4605, 15, 4590}, {300, 301, 0}, {300, -50, 300}}; // height, step, new
    for (const auto& [hoehe, d, neu] : faelle) {
        RestZeitStand s{4935 - hoehe, hoehe};
        s.schrumpfe(d);
        EXPECT_EQ(s.hoehe, neu) << hoehe << " - " << d;
        EXPECT_EQ(s.oben + s.hoehe, 4935) << "the bottom edge stays";
    }
}

TEST(ProgrammEnde, RunsItsStepsInOrderOnceAndThenEnds) {
    test::SpielAufbau s(99.7);
    s.bereite({"[Sound]", "ProgrammEnde=tschuess"}, {"Anna", "Computer"}, {"tschuess"});
    SitzungsDaten& daten = s.daten;
    daten.spielerDatei[1].clear(); // the computer keeps no files
    daten.hilfeDatei = s.host.file("Zafku.chm");
    daten.tonEin = 1;
    daten.userPfad = s.host.file("User");
    QDir().mkpath(daten.userPfad);
    daten.punkte = {{{40, 1}, {12, 0}}};
    QStringList log;
    s.audio.log = &log;
    s.sound.ladeSoundTabelle();
    TestHilfe hilfe;
    hilfe.log = &log;
    PrtDatei prt(daten, [](const QString&) {});
    ProgrammEnde ende(daten, s.sound, s.uhr, hilfe, prt);
    ende.schlafe = [&] { s.uhr.sekunden += 0.25; };
    ende.updateMeister = [&] {
        log.append("meister after " + QString::number(s.uhr.sekunden));
        ende(); // a close request while ending must not start a second end
    };
    ende.saveVokraIni = [&] { log.append("settings"); };
    ende.beende = [&] { log.append("exit"); };
    ende();
    EXPECT_EQ(log, QStringList({"play tschuess.WAV", "close sound", "close Vesk.chm",
                                "close Zafku.chm", "meister after 101.7", "settings", "exit"}));
    EXPECT_TRUE(ende.laeuft());
    EXPECT_EQ(leseBilanz(bilanzDatei(daten.userPfad, "anna")), bilanz(daten));
}
