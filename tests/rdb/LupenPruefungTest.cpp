#include "rdb/LupenPruefung.h"
#include "rdb/KategorienTabelle.h"

#include <gtest/gtest.h>

using namespace zafku;

TEST(LupenPruefung, MarkerRowsAndFallbacks) {
    const int lie = getKategorieNr("LIE_");
    const int liku = getKategorieNr("LIKU");
    // LIE_ with the list 2 keys XXXX and LIKU; criteria and title play no part.
    const Kategorie relativ{
        "LIE_", {}, {}, {"XXXX", "LIKU"}, {0, false}, {-1, false}, {{"ie", "i"}, {"ih", "ie"}}, {}};
    const Kategorie absolut{
        "LIE_", {}, {}, {"XXXX", "LIKU"}, {1, true}, {2, true}, {{"b", "p"}, {"", "x"}}, {}};
    const std::optional<Fundstelle> kein;
    // Case, exercise, list 2, marker row (vesk 0: none for the word), word, the spot found.
    using Fall = std::tuple<const char*, const Kategorie&, bool, int, int, const char*,
                            std::optional<Fundstelle>>;
    const Fall faelle[] = {
        {"marker at 5 reads ie", relativ, false, lie, 5, "Klavier", Fundstelle{5, 0}},
        {"marker ignores case", relativ, false, lie, 5, "KLAVIER", Fundstelle{5, 0}},
        {"marker elsewhere, fallback finds first ie", relativ, false, lie, 5, "Biene",
         Fundstelle{2, 0}},
        {"other category's row", relativ, false, liku, 2, "Kind", kein},
        {"list 2 row of the second key, rule -1", relativ, true, liku, 3, "Kind", Fundstelle{2, 0}},
        {"fallback is case-sensitive", relativ, false, 0, 0, "BIENE", kein},
        {"fallback takes the first pair that occurs", relativ, false, 0, 0, "ihrie",
         Fundstelle{4, 0}},
        {"absolute rule ignores case", absolut, false, 0, 0, "Baum", Fundstelle{1, 0}},
        {"absolute rule 2 beyond the word", absolut, true, 0, 0, "p", kein},
        {"empty spelling fits any word", absolut, false, 0, 0, "Tor", Fundstelle{1, 1}},
    };
    for (const auto& [fall, k, liste2, vesk, vonPos, wort, erwartet] : faelle) {
        std::optional<Fundstelle> fund;
        if (vesk != 0)
            fund = pruefeLupenStelle(k, liste2, vesk, vonPos, wort);
        if (!fund)
            fund = pruefeOhneLupenStelle(k, liste2, wort);
        EXPECT_EQ(fund, erwartet) << fall;
    }
}
