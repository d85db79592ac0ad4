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
    const struct {
        const char* fall;
        const Kategorie& k;
        bool liste2;
        int vesk, vonPos; // vesk 0: the word has no marker row of the list
        const char* wort;
        std::optional<Fundstelle> erwartet;
    } faelle[] = {
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
    for (const auto& f : faelle) {
        std::optional<Fundstelle> fund;
        if (f.vesk != 0)
            fund = pruefeLupenStelle(f.k, f.liste2, f.vesk, f.vonPos, f.wort);
        if (!fund)
            fund = pruefeOhneLupenStelle(f.k, f.liste2, f.wort);
        EXPECT_EQ(fund, f.erwartet) << f.fall;
    }
}
