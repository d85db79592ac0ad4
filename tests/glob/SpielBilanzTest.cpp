#include "glob/SpielBilanz.h"
#include "glob/SitzungsDaten.h"
#include "support/TempHost.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace zafku;

namespace {

// The most points win, not the most right answers.
TEST(SpielBilanz, NamesTheGamesWinnerAndReadsBackWhatWasWritten) {
    const std::pair<std::vector<std::int32_t>, const char*> faelle[] = {
        {{30}, ""},         // alone, nobody to beat
        {{30, 31}, "Tim"},  // the last one can win
        {{31, 30, 31}, ""}, // a tie at the top
        {{5, 0, 7, 6}, "Computer"},
        {{0, 0}, ""},
    };
    QTemporaryDir dir;
    for (const auto& [punkte, gewinner] : faelle) {
        SitzungsDaten daten;
        daten.userPfad = dir.path();
        daten.nSpieler = int(punkte.size());
        daten.spielerName = {"Anna", "Tim", "Computer", "Ben\tund\nBo"};
        daten.spielerDatei = {"anna", "tim", "", "ben"};
        for (std::size_t i = 0; i < punkte.size(); ++i)
            daten.punkte[i] = {punkte[i], int(i)};
        const SpielBilanz b = bilanz(daten);
        EXPECT_EQ(b.gewinner, gewinner) << punkte.size();
        ASSERT_EQ(b.plaetze.size(), punkte.size());
        EXPECT_EQ(b.plaetze.last().punkte, punkte.back());
        EXPECT_EQ(b.plaetze.last().zafkus, int(punkte.size()) - 1);
        ASSERT_TRUE(schreibeBilanz(daten));
        SpielBilanz gelesen = leseBilanz(bilanzDatei(dir.path(), "anna")).value();
        if (punkte.size() == 4)
            EXPECT_EQ(gelesen.plaetze[3].name, "Ben und Bo");
        gelesen.plaetze.last().name = b.plaetze.last().name;
        EXPECT_EQ(gelesen, b);
    }
}

TEST(SpielBilanz, RefusesWhatTheGameDidNotWriteWhole) {
    QTemporaryDir dir;
    const QString pfad = dir.filePath("x.ergebnis");
    EXPECT_FALSE(leseBilanz(pfad)) << "missing";
    for (const char* inhalt : {"Platz\tanna\t10\t1\tAnna\n", "Platz\tanna\t10\t1\tAnna\nGewinner\t",
                               "Platz\tanna\tzehn\t1\tAnna\nGewinner\t\n",
                               "Platz\tanna\t10\t1\nGewinner\t\n", "Gewinner\tAnna"}) {
        schreibeDatei(pfad, inhalt);
        EXPECT_FALSE(leseBilanz(pfad)) << inhalt;
    }
    SitzungsDaten ohneDatei;
    ohneDatei.nSpieler = 1;
    ohneDatei.userPfad = dir.path();
    EXPECT_FALSE(schreibeBilanz(ohneDatei));
}

} // namespace
