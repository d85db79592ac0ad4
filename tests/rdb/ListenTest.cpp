#include "platform/LaufzeitFehler.h"
#include "rdb/AuswahlListe.h"
#include "rdb/KategorienTabelle.h"
#include "rdb/KmpDatei.h"
#include "rdb/ListenEintrag.h"
#include "support/TempHost.h"

#include <gtest/gtest.h>

using namespace zafku;

TEST(ListenEintrag, ItemsEndAtTheFirstEmptyOne) {
    const std::tuple<const char*, int, const char*> faelle[] = {
        {"ie,i,ih", 3, "ih"}, {"ie,i,ih", 4, ""},  {"ie,,ih", 3, ""}, {",ie", 1, ""},
        {"ie,i,ih", 0, ""},   {" a ,b", 1, " a "}, {"", 1, ""}};
    for (const auto& [liste, n, erwartet] : faelle)
        EXPECT_EQ(getListenEintrag(liste, n), erwartet) << liste << " " << n;
    EXPECT_TRUE(isInListe("ie,i,ih", "ih", 3));
    EXPECT_FALSE(isInListe("ie,i,ih", "ih", 2));
    EXPECT_FALSE(isInListe("ie,i", "I", 2));
}

TEST(KmpDatei, FieldsOfTheBlock) {
    const std::tuple<const char*, LupRegel, LupRegel> regelFaelle[] = {
        {"*1:*1", {1, true}, {1, true}},
        {"0:0", {0, false}, {0, false}},
        {"*2:-1", {2, true}, {-1, false}},
        {" 3.5:*x", {4, false}, {0, true}},
        {":*1", {0, false}, {1, true}}};
    for (const auto& [regeln, r1, r2] : regelFaelle) {
        Kategorie k;
        readLupenPositionen(regeln, k, "B");
        EXPECT_EQ(k.lupRegel1, r1) << regeln;
        EXPECT_EQ(k.lupRegel2, r2) << regeln;
    }
    EXPECT_EQ(readSchreibPaare("ie:i,ie:ih,i:ie"),
              (QList<SchreibPaar>{{"ie", "i"}, {"ie", "ih"}, {"i", "ie"}}));
    EXPECT_EQ(readSchreibPaare("ä:e"), (QList<SchreibPaar>{{"ä", "e"}}));
    EXPECT_EQ(readSchreibPaare("a,b:c,d:"), (QList<SchreibPaar>{{"a,b", "c"}, {"d", ""}}));
    EXPECT_TRUE(readSchreibPaare("").isEmpty());
    EXPECT_EQ(readKategorienListe("LIKU,LIIH,,X"), (QStringList{"LIKU", "LIIH"}));
}

TEST(KmpDatei, BlockChosenByKeyPrefixElseTheLast) {
    const QString text = "GK1MX,k1,L,k2,0:0,\"a:b\",T1\r\n"
                         "GK2M,k1,\"L,M\",k2,*1:2,\"a:b,c:d\",\"T, 2\"\r\n"
                         "GK3M,k1,L,k2,0:0,a:b,T3\r\n";
    const std::pair<const char*, const char*> faelle[] = {
        {"GK2M", "GK2M"}, {"GK1M", "GK1MX"}, {"gk1m", "GK3M"}, {"XY", "GK3M"}, {"", "GK1MX"}};
    for (const auto& [kennung, block] : faelle)
        EXPECT_EQ(leseKmpText(text, kennung, "k").kmpKennung, block) << kennung;
    const Kategorie k = leseKmpText(text, "GK2M", "k");
    EXPECT_EQ(k.kategorienListe, (QStringList{"L", "M"}));
    EXPECT_EQ(k.schreibPaare.size(), 2);
    EXPECT_EQ(k.kmpTitel, "T, 2");
    EXPECT_EQ(leseKmpText("E,1,L,2,0:0,a:b,T", "ZZ", "k").kmpKennung, "E");

    // Exact keys only, in the order asked; a block cut short matters only to a key after it.
    const auto kennungen = [](const QList<Kategorie>& bloecke) {
        QStringList k;
        for (const Kategorie& b : bloecke)
            k.append(b.kmpKennung);
        return k;
    };
    EXPECT_EQ(kennungen(leseKmpUebungen(text, {"GK3M", "GK1M", "XY", "GK2M"}, "k")),
              (QStringList{"GK3M", "GK2M"}));
    EXPECT_EQ(leseKmpUebungen(text, {"GK2M"}, "k")[0].kmpTitel, "T, 2");
    const QString kurz = text + "GK4M,k1";
    EXPECT_EQ(kennungen(leseKmpUebungen(kurz, {"GK2M"}, "k")), QStringList{"GK2M"});
    EXPECT_THROW(leseKmpUebungen(kurz, {"GK2M", "GK4M"}, "k"), LaufzeitFehler);
    EXPECT_THROW(leseKmpUebungen("", {"GK2M"}, "k"), LaufzeitFehler);
}

TEST(KategorienTabelle, MatchesTheHostCategoryList) {
    const QString tsp = QString::fromUtf8(leseDatei(ZAFKU_SOURCE_DIR "/host/Vokra.tsp"));
    EXPECT_EQ(leseKategorienCodes(tsp), kategorienTabelle());
    EXPECT_EQ(getKategorieNr("lie_"), -1);
}

TEST(AuswahlListe, OwnPairThenRelatedSpellings) {
    const QList<SchreibPaar> iePaare = {{"ie", "i"}, {"ie", "ih"}, {"ie", "ieh"}, {"i", "ie"}};
    // Exercise, its pairs, word, spot, pair number, list 2, the list offered.
    using Fall =
        std::tuple<const char*, QList<SchreibPaar>, const char*, int, int, bool, const char*>;
    const Fall faelle[] = {
        {"LIE_", iePaare, "Biene", 2, 0, false, "ie,i,ih,ieh"},
        {"LIE_", iePaare, "Kind", 2, 0, true, "ie,i"},
        {"LIE_", iePaare, "Biene", 2, 3, true, "i,ie"},
        {"VF__", {{"v", "f"}, {"v", "w"}}, "Vater", 1, 0, false, "V,F,W"},
        {"GK1M", {{"V", "v"}}, "Vater", 1, 0, false, "V,v"},
        {"GK1M", {{"V", "v"}}, "viel", 1, 0, true, "V,v"},
        {"AEAE", {{"ä", "e"}}, "Äpfel", 1, 0, false, "Ä,E"},
        {"AEAE", {{"ä", "e"}}, "Äpfel", 2, 0, false, "ä,e"},
        {"LIE_", {{"ie", "i"}, {"x", "y"}}, "Biene", 2, 0, false, "ie,i"},
        {"LIE_", {{"ie", "i"}, {"ie", ""}, {"ie", "ih"}}, "Biene", 2, 0, false, "ie,i,ih"},
    };
    for (const auto& [kennung, paare, wort, vonPos, paarNr, liste2, erwartet] : faelle) {
        const Kategorie k{kennung, {}, {}, {}, {}, {}, paare};
        const Aufgabe a{0, wort, vonPos, 0, {}, {}, {}, 0, paarNr};
        EXPECT_EQ(buildAuswahlListe(k, a, liste2), erwartet) << wort << " " << liste2;
    }
    for (const char* gross : {"Apfel", "Zahl", "Öl", "Übung", "Ärger"})
        EXPECT_TRUE(isGrossBuchstabe(gross)) << gross;
    for (const char* klein : {"apfel", "ßx", "1a", "é", ""})
        EXPECT_FALSE(isGrossBuchstabe(klein)) << klein;
}
