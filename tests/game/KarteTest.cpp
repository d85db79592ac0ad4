#include "game/Karte.h"
#include "Fakes.h"

#include <gtest/gtest.h>

using namespace zafku;

namespace {

Karten karteMit(std::initializer_list<int> felder, int spieler = 0) {
    Karten k{};
    for (int f : felder)
        k[spieler][f] = kMarkiert;
    return k;
}

} // namespace

TEST(HatZafku, RowsColumnsAndDiagonalsCountNearMissesDoNot) {
    const struct {
        std::initializer_list<int> felder;
        bool zafku;
    } faelle[] = {
        {{21, 22, 23, 24, 25}, true},
        {{3, 8, 13, 18, 23}, true},
        {{1, 7, 13, 19, 25}, true},
        {{5, 9, 13, 17, 21}, true},
        {{1, 9, 13, 17, 21}, false},
        {{5, 9, 13, 17}, false},
        {{4, 5, 6, 7, 8}, false},
        {{1, 2, 3, 4, 6, 7, 8, 9, 11, 12, 13, 14, 16, 17, 18, 19}, false},
        {{}, false},
    };
    for (std::size_t i = 0; i < std::size(faelle); ++i)
        EXPECT_EQ(hatZafku(karteMit(faelle[i].felder), 0), faelle[i].zafku) << "case " << i;
    EXPECT_FALSE(hatZafku(karteMit({1, 2, 3, 4, 5}, 1), 0)) << "another player's line";
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
    for (int f = 1; f <= 20; ++f)
        voll[0][f] = kMarkiert;
    for (int f = 21; f <= 25; ++f)
        voll[1][f] = kMarkiert;
    zufall.werte = {3, 18};
    EXPECT_EQ(waehleFeld(voll, 2, 0, zufall), 21);
    zufall.werte = {3, 23};
    EXPECT_EQ(waehleFeld(voll, 2, 0, zufall), 23);
    zufall.werte = {3, 22};
    EXPECT_EQ(waehleFeld(voll, 2, 1, zufall), 1) << "player 1 gets one of player 0's fields";
}

TEST(NaechstesFreiesFeld, WrapsAndReportsAFullCard) {
    Karten k = karteMit({24, 25}, 0);
    EXPECT_EQ(naechstesFreiesFeld(k, 1, 24), 1);
    EXPECT_EQ(naechstesFreiesFeld(k, 1, 26), 1);
    EXPECT_EQ(naechstesFreiesFeld(k, 0, 24), 24) << "no players, nothing held";
    Karten voll{};
    for (int f = 1; f <= 25; ++f)
        voll[f % 2][f] = kMarkiert;
    EXPECT_EQ(naechstesFreiesFeld(voll, 2, 5), -1);
    EXPECT_EQ(naechstesFreiesFeld(voll, 1, 4), 5) << "only player 0's marks count";
}
