#include "aussprache/Lautschrift.h"
#include "aussprache/Vokallaenge.h"

#include <gtest/gtest.h>

using namespace zafku::aussprache;

TEST(Aussprache, VowelAtTheSpotAgainstTheRule) {
    using Fall = std::tuple<const char*, const char*, int, const char*, const char*, const char*>;
    const Fall faelle[] = {
        {"LIE_", "Biene", 2, "ie", "b'i:n@", ""}, // "": no contradiction
        {"LIE_", "Familie", 6, "ie", "fam'i:lI;@", "kurzes I statt langem"},
        {"DHA_", "Tafel", 2, "a", "t'Af@l", "kurzes A statt langem"},
        {"DVAA", "Haar", 2, "aa", "h'aIr", "kein passender Selbstlaut"},
        {"SZ__", "draußen", 5, "ß", "dr'aUs@n", ""},
        {"CK__", "Schaukel", 5, "k", "S'aUk@l", ""},
        {"LIKU", "Tiger", 2, "i", "t'i:g3", "langes i statt kurzem"},
        {"CK__", "Zucker", 3, "ck", "ts'Uk3", ""},
        {"CK__", "Haken", 3, "k", "h'Ak@n", "kurzes A statt langem Selbstlaut oder Zwielaut"},
        {"CK__", "Pauke", 4, "k", "p'aUk@", ""},
        {"KZNK", "Bank", 4, "k", "b'aNk", ""},
        {"SZ__", "Straße", 5, "ß", "Str'as@", "kurzes a statt langem"},
        {"SZ__", "heiß", 4, "ß", "h'aIs", ""},
        {"DKNN", "können", 3, "nn", "k'Wn@n", ""},
        {"DKTT", "Mutter", 3, "tt", "m'u:t3", "langes u statt kurzem"},
        // A misread prefix ("Be-eren") is not taken for the spot's vowel.
        {"DVEE", "Beeren", 2, "ee", "b@_!'e:R@n", ""},
        {"DHO_", "schön", 4, "ö", "S'Y:n", ""},
        {"AUDT", "Hund", 4, "d", "h'Unt", ""},
        {"DHA_", "Zahl", 2, "ah", "tsv'Ek", "kein passender Selbstlaut"},
    };
    for (const auto& [kategorie, wort, vonPos, schreibung, phoneme, erwartet] : faelle) {
        const QString text = widerspruch(kategorie, QString::fromUtf8(wort), vonPos,
                                         QString::fromUtf8(schreibung), phoneme);
        EXPECT_TRUE(*erwartet ? text.contains(QString::fromUtf8(erwartet)) : text.isEmpty())
            << wort << ": " << text.toStdString();
    }
}

TEST(Aussprache, GermanVoiceGivesPhonemesAndKeepsWrittenInput) {
    Lautschrift* laute = Lautschrift::deutsch();
    ASSERT_NE(laute, nullptr);
    EXPECT_EQ(laute->phoneme("Biene"), "b'i:n@");
    EXPECT_EQ(laute->phoneme("\x01΅Biene"), "b'i:n@") << "a control character or sign is a blank";
    EXPECT_EQ(laute->phoneme("[[t'a:f@l]]"), "t'a:f@l");
}
