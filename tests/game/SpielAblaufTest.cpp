#include "SpielAufbau.h"

#include <gtest/gtest.h>

using namespace zafku;
using test::aufgabe;

namespace {

class SpielAblaufTest : public ::testing::Test, protected test::SpielAufbau {
  protected:
    SpielAblaufTest() : SpielAufbau(3600.6) {}
    void starte(const QStringList& namen, std::initializer_list<test::TestQuelle::Eintrag> aufgaben,
                std::initializer_list<int> zufall = {}) {
        bereite({"[Sound]", "Annahme1=ja", "LeichterFehler=nein", "Gratulation1=juhu",
                 "ProgrammStart=los", "[Zafku]", "TonEinschalten=1"},
                namen, {"ja", "nein", "juhu", "los"});
        quelle.folge = aufgaben;
        this->zufall.werte = zufall;
        sound.ladeSoundTabelle();
        ablauf.lade();
    }
};

const test::TestQuelle::Eintrag biene{aufgabe(11, "Biene", 2, 2, 1, "Die @ summt."), "ie,i,ih"};
const test::TestQuelle::Eintrag kind{aufgabe(12, "Kind", 2, 1, 2, "Das @ lacht."), "ie,i"};

} // namespace

TEST_F(SpielAblaufTest, RightAnswerMarksScoresAndPassesTheTurn) {
    starte({"Anna Sommer", "Tim"}, {biene, kind}, {13, 4});
    EXPECT_EQ(sicht(), "Anna Sommer | B    ne | F3 |  | G | los.WAV");
    EXPECT_EQ(anzeige.satz, "Die B__ne summt.");
    EXPECT_EQ(anzeige.liste, QStringList({"i", "ie", "ih"}));
    EXPECT_EQ(ablauf.zeitMarke, 3601);
    EXPECT_EQ(anzeige.karten[2].felder[0], (Farbe{223, 223, 222}));

    ablauf.waehleEintrag(index("ie"));
    ablauf.einsetzen();
    EXPECT_EQ(ablauf.karte[0][13], kMarkiert);
    EXPECT_EQ(daten.punkte[0][0], 2 * (1 + 3));
    EXPECT_EQ(sicht(), "Tim | K    nd | K1 | 000000 | G | ja.WAV") << "Tim's points now";
    EXPECT_EQ(anzeige.karten[1].felder[12], (Farbe{255, 153, 51}))
        << "Anna's won field, strong colour";
    EXPECT_TRUE(anzeige.meldungen.isEmpty());
    EXPECT_EQ(host.readBytes("User/anna.tmp"), QByteArray("11= OK\r\n"));
}

TEST_F(SpielAblaufTest, WrongAnswerCostsTheStakeAndKeepsTurnTaskAndField) {
    starte({"Anna Sommer", "Tim"}, {biene, kind}, {13});
    daten.punkte[0][0] = 5;
    ablauf.waehleEintrag(index("ih"));
    ablauf.einsetzen();
    EXPECT_EQ(daten.punkte[0][0], 0) << "8 points at stake, never below 0";
    EXPECT_EQ(anzeige.meldungen, QStringList({"Fehler: Anna, das stimmt leider nicht!\r"
                                              "Sieh dir doch mal den Lösungs-\rtipp an."}));
    EXPECT_EQ(sicht(), "Anna Sommer | B    ne | F3 | 000000 | r | nein.WAV");
    EXPECT_EQ(quelle.gezogen, 1);
    daten.punkte[0] = {20, 4};
    ablauf.checkBstWahl(index("i"));
    EXPECT_EQ(daten.punkte[0][0], 12);
    EXPECT_EQ(anzeige.punkte + anzeige.zafkus, "000012004");
    EXPECT_EQ(host.readBytes("User/anna.tmp"), QByteArray("11= Bihne\r\n11= Bine\r\n"));
}

TEST_F(SpielAblaufTest, WrongAnswerCostsTheAnswererEvenWhenTheTurnPassesMeanwhile) {
    starte({"Anna", "Tim"}, {biene, kind}, {13, 4});
    daten.punkte = {{{20, 0}, {30, 0}}};
    // The guess time runs out while the "Fehler" message is open.
    anzeige.waehrendMeldung = [this] {
        anzeige.waehrendMeldung = nullptr;
        ablauf.naechsterSpieler();
    };
    ablauf.checkBstWahl(index("ih"));
    EXPECT_EQ(daten.punkte[0][0], 12);
    EXPECT_EQ(daten.punkte[1][0], 30);
    EXPECT_EQ(daten.aktSpieler, 1);
    EXPECT_EQ(anzeige.punkte, "000030") << "the score of the player now on turn";
}

TEST_F(SpielAblaufTest, JudgingIsCaseSensitive) {
    starte({"Anna"}, {{aufgabe(3, "Vater", 1, 1), "V,v"}, {aufgabe(4, "Vogel", 1, 1), "V,v"}});
    ablauf.checkBstWahl(index("v"));
    EXPECT_EQ(anzeige.meldungen.size(), 1) << "v differs from V only in case: wrong";
    ablauf.checkBstWahl(index("V"));
    EXPECT_EQ(daten.punkte[0][0], 2 * (1 + 2));
}

TEST_F(SpielAblaufTest, EmptyChoiceListJudgesNothing) {
    starte({"Anna"}, {{aufgabe(3, "Biene", 2, 2), ""}});
    ablauf.taste(u'i');
    EXPECT_EQ(anzeige.auswahl, -1);
    ablauf.einsetzen();
    EXPECT_TRUE(anzeige.meldungen.isEmpty());
    EXPECT_EQ(daten.punkte[0][0], 0);
    EXPECT_EQ(host.readBytes("User/anna.tmp"), QByteArray()) << "no protocol line";
}

TEST_F(SpielAblaufTest, ZafkuAddsBonusAndClearsEveryCard) {
    starte({"Veze Vuvu", "Tim"}, {biene, kind}, {25, 1});
    for (int f : {1, 7, 13, 19})
        ablauf.karte[0][f] = kMarkiert;
    ablauf.karte[1][3] = kMarkiert;
    daten.punkte[0][1] = 2;
    // What the children see while the congratulation is open.
    Farbe gewonnen{};
    anzeige.waehrendMeldung = [&] {
        gewonnen = anzeige.karten[0].felder[24];
        EXPECT_TRUE(lampen.gelb && !lampen.rot && !lampen.gruen);
        EXPECT_EQ(anzeige.punkte, "000108") << "the bonus is already counted";
    };
    ablauf.checkBstWahl(index("ie"));
    EXPECT_EQ(gewonnen, (Farbe{255, 153, 51})) << "the fifth field is coloured when it is won";
    EXPECT_EQ(daten.punkte[0][0], 8 + 100);
    EXPECT_EQ(daten.punkte[0][1], 3);
    EXPECT_EQ(anzeige.meldungen,
              QStringList({"Glückwunsch: Glückwunsch, Veze!\rDu hast ein Zafku erzielt."}));
    EXPECT_EQ(gespielt(), "juhu.WAV");
    EXPECT_EQ(ablauf.karte, Karten{});
    for (const auto& s : {anzeige.karten[0], anzeige.karten[1]})
        EXPECT_EQ(std::ranges::count(s.felder, s.felder[1]), 25) << "every field plain again";
    EXPECT_EQ(daten.aktSpieler, 1);
}

TEST_F(SpielAblaufTest, TurnOrderAndSlotRotationForOneToFourPlayers) {
    const QStringList alle = {"A", "B", "C", "D"};
    for (int n = 1; n <= 4; ++n) {
        daten = SitzungsDaten{};
        starte(alle.mid(0, n), {biene});
        QStringList reihe;
        for (int zug = 0; zug < 5; ++zug) {
            ablauf.naechsterSpieler();
            QString karten;
            for (const auto& s : anzeige.karten)
                karten += s.bild == 4 ? QStringLiteral("-") : s.name;
            reihe.append(karten);
        }
        const QStringList erwartet[] = {
            {"A---", "A---", "A---", "A---", "A---"},
            {"BA--", "AB--", "BA--", "AB--", "BA--"},
            {"BCA-", "CAB-", "ABC-", "BCA-", "CAB-"},
            {"BCDA", "CDAB", "DABC", "ABCD", "BCDA"},
        };
        EXPECT_EQ(reihe, erwartet[n - 1]) << n << " players";
    }
}

TEST_F(SpielAblaufTest, TypeAheadSelectsWholeSpellings) {
    starte({"Anna"}, {{aufgabe(5, "Fluss", 4, 2), "ss,s,ß"}});
    const std::tuple<char16_t, int, int> schritte[] = {
        {u's', 0, 0}, {u's', 1, 0}, {u'1', 1, 1}, {u'x', -1, 1}};
    for (const auto& [taste, auswahl, hinweise] : schritte) {
        ablauf.taste(taste);
        EXPECT_EQ(anzeige.auswahl, auswahl) << ablauf.tippPuffer.toStdString();
        EXPECT_EQ(anzeige.nichtDruckbar, hinweise);
    }
    EXPECT_EQ(anzeige.fokus, 4) << "after each key Enter judges the choice";
    ablauf.einsetzen();
    EXPECT_EQ(ablauf.tippPuffer, "");
    EXPECT_EQ(daten.punkte[0][0], 0);
    EXPECT_TRUE(anzeige.meldungen.isEmpty()) << "nothing selected, nothing judged";
    ablauf.taste(QChar(0xDF));
    EXPECT_EQ(anzeige.auswahl, 2);
}

TEST_F(SpielAblaufTest, NewGameAsksAndOnlyNeinKeepsTheGame) {
    starte({"A", "B"}, {biene, kind, biene});
    daten.punkte[1] = {40, 1};
    ablauf.karte[1][4] = kMarkiert;
    anzeige.antworten = {"nein"};
    const std::string vorher = sicht();
    ablauf.neuesSpiel();
    EXPECT_EQ(sicht(), vorher);
    EXPECT_EQ(daten.punkte[1][0], 40);
    EXPECT_EQ(ablauf.karte[1][4], kMarkiert);
    EXPECT_EQ(quelle.gezogen, 1) << "no new task drawn";
    EXPECT_TRUE(
        anzeige.meldungen.last().startsWith("Neues Spiel: Wenn ihr das Spiel neu beginnt,"));

    daten.aktSpieler = 1;
    anzeige.antworten = {"ja"};
    ablauf.neuesSpiel();
    EXPECT_EQ(daten.punkte[1], (std::array<int, 2>{0, 0}));
    EXPECT_EQ(ablauf.karte[1][4], 0);
    EXPECT_EQ(daten.aktSpieler, 0);
    EXPECT_EQ(anzeige.wortZeile, "K    nd");

    daten.gegenComputer = 1; // the computer is not asked
    for (daten.nSpieler = 2; daten.nSpieler <= 3; ++daten.nSpieler) {
        ablauf.neuesSpiel();
        EXPECT_EQ(anzeige.meldungen.last().section(' ', 3, 3), daten.nSpieler == 2 ? "du" : "ihr");
    }
}
