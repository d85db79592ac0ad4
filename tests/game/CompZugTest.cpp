#include "SpielAufbau.h"

#include <gtest/gtest.h>

using namespace zafku;
using test::aufgabe;

namespace {

// Anna against the computer; "ihm" has its right spelling at 2 of i, ie, ih, "Kind" at 0.
struct Spiel : test::SpielAufbau {
    Spiel(int staerke, bool gegenComputer = true, QStringList namen = {"Anna"}) : SpielAufbau(100) {
        bereite({"[Zafku]", QStringLiteral("GegenComputer=%1").arg(gegenComputer ? 1 : 0),
                 QStringLiteral("ComputerSpielStärke=%1").arg(staerke)},
                namen);
        quelle.folge = {{aufgabe(1, "Biene", 2, 2), "ie,i"},
                        {aufgabe(2, "ihm", 1, 2), "ie,i,ih"},
                        {aufgabe(3, "Kind", 2, 1), "ie,i,ih"},
                        {aufgabe(4, "Biene", 2, 2), "ie,i"}};
        zufall.werte = {13};
        ablauf.lade();
    }
    // Anna answers right on the field the draw gives the computer next.
    void annaRichtig(int feldDesComputers = 7) {
        zufall.werte = {feldDesComputers};
        ablauf.checkBstWahl(index("ie"));
    }
    // Ticks until the window closes; the list positions shown from the third tick of each try.
    QList<int> spieleZugZuEnde() {
        QList<int> versuche;
        for (int tick = 1; tick <= 60; ++tick) {
            const int gezeigt = anzeige.auswahl;
            const bool fertig = ablauf.compZugTick();
            if (tick % 6 == 4)
                versuche.append(gezeigt);
            if (fertig) {
                ticks = tick;
                return versuche;
            }
            EXPECT_FALSE(anzeige.menues) << "tick " << tick;
        }
        ADD_FAILURE() << "the computer never finished";
        return versuche;
    }
    int ticks = 0;
};

} // namespace

TEST(CompZug, StrongAndWeakPlayTryTheListAsDescribed) {
    // Case, strength, "Kind" (right at position 0) instead of "ihm", draws, the try left over
    // from a turn that timed out, tries judged, points (the stake is 2 x (1 + 3)).
    using Fall = std::tuple<const char*, int, bool, QList<int>, int, QList<int>, int>;
    const Fall faelle[] = {
        {"strong", 0, false, {}, 0, {2}, 108},
        {"weak walks down the list", 1, false, {10, 20, 30}, 0, {0, 1, 2}, 100 - 16 + 8},
        {"weak answers the try its window shows", 1, false, {10, 60}, 0, {0, 2}, 100},
        {"weak jumps 50 times in 101", 1, false, {51}, 0, {2}, 108},
        {"weak, right at the top", 1, true, {10}, 0, {0}, 108},
        {"weak never passes the right one", 1, false, {0, 0}, 5, {2}, 108},
    };
    for (const auto& [fall, staerke, kind, zuege, versuch, versuche, punkte] : faelle) {
        SCOPED_TRACE(fall);
        Spiel s(staerke);
        ASSERT_EQ(s.daten.nSpieler, 2);
        if (kind)
            s.quelle.folge.pop_front();
        s.daten.punkte[1][0] = 100;
        s.ablauf.versuch += versuch; // a new game has none
        s.annaRichtig();
        ASSERT_TRUE(s.ablauf.computerAmZug);
        EXPECT_EQ(s.anzeige.compZugFenster, 1);
        s.zufall.werte = zuege;
        EXPECT_EQ(s.spieleZugZuEnde(), versuche);
        EXPECT_EQ(s.ticks, 6 * versuche.size()) << "each try judged after 1.2 s";
        EXPECT_EQ(s.daten.punkte[1][0], punkte);
        EXPECT_EQ(s.daten.aktSpieler, 0) << "Anna's turn again";
        EXPECT_TRUE(s.anzeige.menues);
        EXPECT_TRUE(s.anzeige.meldungen.isEmpty()) << "no message for the computer";
        EXPECT_EQ(s.host.readBytes("User/anna.tmp"), QByteArray("1= OK\r\n"))
            << "the computer writes no protocol lines";
    }
}

TEST(CompZug, AZafkuCongratulatesTheComputer) {
    Spiel s(0);
    for (int f = 1; f <= 4; ++f)
        s.ablauf.karte[1][f] = kMarkiert;
    s.annaRichtig(5);
    s.spieleZugZuEnde();
    EXPECT_EQ(s.daten.punkte[1][1], 1);
    EXPECT_EQ(s.anzeige.meldungen,
              QStringList({"Glückwunsch: Glückwunsch, Computer!\rDu hast ein Zafku erzielt."}));
    EXPECT_EQ(s.daten.aktSpieler, 0);
}

TEST(CompZug, TheWindowClosesWithoutAnAttemptWhenTheTurnPassedAway) {
    Spiel s(1);
    s.annaRichtig();
    for (int tick = 0; tick < 4; ++tick)
        EXPECT_FALSE(s.ablauf.compZugTick());
    s.ablauf.naechsterSpieler(); // as when the guess time runs out
    EXPECT_TRUE(s.ablauf.compZugTick());
    EXPECT_EQ(s.daten.punkte[1][0], 0);
    EXPECT_EQ(s.quelle.gezogen, 2) << "no answer was judged";
    EXPECT_TRUE(s.anzeige.menues);
}

TEST(CompZug, OnlySwitchingTheComputerRestartsTheTurnOrder) {
    Spiel s(0, false, {"Anna", "Tim"});
    s.annaRichtig();
    const int gezogen = s.quelle.gezogen;
    s.ablauf.einstellungen.spSt = 1;
    EXPECT_FALSE(uebernehmeEinstellungen(s.daten, s.ablauf.einstellungen)) << "same players";
    s.ablauf.nachEinstellungen(0);
    EXPECT_EQ(s.daten.aktSpieler, 1) << "strength alone";

    // The computer left earlier holding field F1; its mark is back and still holds it.
    s.ablauf.karte[2][3] = kMarkiert;
    s.zufall.werte = {3};
    s.ablauf.einstellungen.gegenComp = true;
    EXPECT_TRUE(uebernehmeEinstellungen(s.daten, s.ablauf.einstellungen));
    s.ablauf.nachEinstellungen(0);
    EXPECT_EQ(s.daten.aktSpieler, 0);
    EXPECT_EQ(s.quelle.gezogen, gezogen) << "the task stays";
    EXPECT_EQ(s.anzeige.karten[2].felder[2], (Farbe{204, 0, 204}));
    EXPECT_EQ(s.anzeige.feldKennung, "K1") << "F1 is the computer's";

    s.ablauf.einstellungen.gegenComp = false;
    EXPECT_TRUE(uebernehmeEinstellungen(s.daten, s.ablauf.einstellungen));
    s.ablauf.nachEinstellungen(1);
    EXPECT_EQ(s.anzeige.karten[2].bild, 2) << "its slot keeps its last card";
    EXPECT_EQ(s.anzeige.karten[2].name, "Computer");
}
