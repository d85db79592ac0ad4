#include "game/Karte.h"
#include "Fakes.h"

#include <gtest/gtest.h>

#include <vector>

using namespace zafku;

namespace {

Karten karteMit(const std::vector<int>& felder, int spieler = 0) {
    Karten k{};
    for (int f : felder)
        k[spieler][f] = kMarkiert;
    return k;
}

} // namespace

TEST(HatZafku, EveryLineCountsAndEveryNearMissDoesNot) {
    // The rows, columns and diagonals worked out from the field numbers 1 to 25.
    std::vector<std::vector<int>> linien(12);
    for (int i = 0; i < 5; ++i) {
        for (int j = 0; j < 5; ++j) {
            linien[i].push_back(5 * i + j + 1);
            linien[5 + i].push_back(5 * j + i + 1);
        }
        linien[10].push_back(6 * i + 1);
        linien[11].push_back(4 * i + 5);
    }
    for (const auto& linie : linien) {
        Karten k = karteMit(linie, 1);
        EXPECT_TRUE(hatZafku(k, 1)) << linie[0] << "-" << linie[4];
        EXPECT_FALSE(hatZafku(k, 0)) << "another player's line";
        for (int luecke : linie) {
            k[1][luecke] = 0;
            EXPECT_FALSE(hatZafku(k, 1)) << linie[0] << "-" << linie[4] << " without " << luecke;
            k[1][luecke] = kMarkiert;
        }
    }
    // 16 fields, every row and column but the last, no line.
    EXPECT_FALSE(hatZafku(karteMit({1, 2, 3, 4, 6, 7, 8, 9, 11, 12, 13, 14, 16, 17, 18, 19}), 0));
    EXPECT_FALSE(hatZafku(karteMit({4, 5, 6, 7, 8}), 0)) << "a row does not wrap";
}

TEST(FeldKennung, ColumnLetterAndRowDigit) {
    const std::pair<int, const char*> faelle[] = {{1, "Z1"},  {5, "U1"},  {13, "F3"}, {25, "U5"},
                                                  {10, "U2"}, {21, "Z5"}, {7, "A2"},  {19, "K4"}};
    for (const auto& [feld, kennung] : faelle)
        EXPECT_EQ(feldKennung(feld), kennung) << feld;
}

TEST(WaehleFeld, PrefersFreeFieldsAndNeverRepeatsOwnField) {
    test::SkriptZufall zufall;
    Karten k = karteMit({7}, 1);
    zufall.werte = {7};
    EXPECT_EQ(waehleFeld(k, 2, 0, zufall), 8) << "7 held by player 1, 8 free";

    zufall.werte = {12};
    EXPECT_EQ(waehleFeld(k, 2, 0, zufall), 12) << "a free draw is kept";

    k = karteMit({25}, 0);
    k[1][1] = kMarkiert;
    zufall.werte = {25};
    EXPECT_EQ(waehleFeld(k, 2, 0, zufall), 2) << "wraps past 25 and skips held 1";

    // Every field held by somebody: player 0 holds 1 to 20, player 1 holds 21 to 25.
    Karten voll{};
    for (int f = 1; f <= 25; ++f)
        voll[f > 20][f] = kMarkiert;
    zufall.werte = {3, 18};
    EXPECT_EQ(waehleFeld(voll, 2, 0, zufall), 21);
    zufall.werte = {3, 23};
    EXPECT_EQ(waehleFeld(voll, 2, 0, zufall), 23);
    zufall.werte = {3, 22};
    EXPECT_EQ(waehleFeld(voll, 2, 1, zufall), 1) << "player 1 gets one of player 0's fields";
}

TEST(NaechstesFreiesFeld, FindsTheOneFreeFieldFromAnyStartAndReportsAFullCard) {
    for (int frei = 1; frei <= kFelder; ++frei) {
        Karten k{};
        for (int f = 1; f <= kFelder; ++f)
            if (f != frei)
                k[f % 2][f] = kMarkiert;
        for (int start = 1; start <= kFelder + 1; ++start)
            ASSERT_EQ(naechstesFreiesFeld(k, 2, start), frei) << "start " << start;
        k[frei % 2][frei] = kMarkiert;
        EXPECT_EQ(naechstesFreiesFeld(k, 2, frei), -1);
    }
}
