#include "starter/KlassenWahl.h"

#include <gtest/gtest.h>

using namespace zafku::bericht;
using namespace zafku::starter;

TEST(UebernimmKlasse, KeepsGivenFilesAndDerivesUniqueOnesForNewChildren) {
    // Ben was entered as Anna Sommer and corrected: his file stays his.
    const KlassenEingabe ein = uebernimmKlasse({{" Anna \t Sommer ", ""},
                                                {"  ", "weg"},
                                                {"Jörg", ""},
                                                {"Ben", "anna_sommer"},
                                                {"Jörg-Peter", ""},
                                                {"Anna-Sommer", ""}});
    EXPECT_EQ(ein.fehler, "");
    EXPECT_EQ(ein.kinder, (QList<KlassenKind>{{"Anna Sommer", "anna_sommer2"},
                                              {"Jörg", "joerg"},
                                              {"Ben", "anna_sommer"},
                                              {"Jörg-Peter", "joerg_peter"},
                                              {"Anna-Sommer", "anna_sommer3"}}));
}

TEST(UebernimmKlasse, RefusesNamesTheGameCannotTellApartOrUse) {
    const std::pair<QList<KlassenKind>, const char*> faelle[] = {
        {{{"Anna", ""}, {"anna ", "x"}}, "zweimal"},
        {{{"An;na", ""}}, "Semikolon"},
        {{{QString(41, u'a'), ""}}, "zu lang"},
    };
    for (const auto& [zeilen, fehler] : faelle) {
        const KlassenEingabe ein = uebernimmKlasse(zeilen);
        EXPECT_TRUE(ein.fehler.contains(fehler)) << ein.fehler.toStdString();
        EXPECT_TRUE(ein.kinder.isEmpty());
    }
    EXPECT_EQ(uebernimmKlasse({{QString(40, u'a'), ""}}).fehler, "");
}

TEST(NamenWahl, PicksOneToFourInTheirOrderAndTakesBackATouchedName) {
    NamenWahl wahl(
        {{"Anna", "anna"}, {"Ben", "ben"}, {"Cem", "cem"}, {"Dana", "dana"}, {"Emil", "emil"}});
    EXPECT_FALSE(wahl.tippe(5));
    for (const int kind : {2, 0, 1, 3})
        EXPECT_TRUE(wahl.tippe(kind));
    EXPECT_FALSE(wahl.tippe(4)); // the game is full
    EXPECT_FALSE(wahl.gewaehlt(4));
    EXPECT_TRUE(wahl.tippe(0)); // Anna takes her name back
    EXPECT_FALSE(wahl.gewaehlt(0));
    EXPECT_TRUE(wahl.tippe(4));
    EXPECT_FALSE(wahl.tippe(-1));
    const QList<Spieler> spieler = wahl.spieler();
    ASSERT_EQ(spieler.size(), 4);
    EXPECT_EQ(spieler[0].name, "Cem");
    EXPECT_EQ(spieler[3].datei, "emil");
}

TEST(NamenWahl, AsksChildrenWithAClassListToPickTheirNames) {
    EXPECT_TRUE(pruefeWahl("LIE_", {}, true).contains("klickt"));
    EXPECT_EQ(pruefeWahl("LIE_", {}, false), pruefeWahl("LIE_", {}));
    EXPECT_EQ(pruefeWahl("", {}, true), pruefeWahl("", {}));
    EXPECT_EQ(pruefeWahl("LIE_", {{"Anna", "anna"}}, true), "");
}
