#include "game/AufgabenText.h"

#include <gtest/gtest.h>

using namespace zafku;

TEST(AufgabenText, WordLineAndSentence) {
    const std::tuple<const char*, const char*, const char*, const char*> faelle[] = {
        {"R_se", "Die @ blüht.", "R    se", "Die R__se blüht."},
        {"_ose", "@ sind rot.", "    ose", "__ose sind rot."},
        {"B_ne", "Die @ summt, die @ fliegt.", "B    ne", "Die B__ne summt, die @ fliegt."},
        {"Zu_er", "Ohne Platzhalter.", "Zu    er", "Ohne Platzhalter."},
        {"Zu_er", "", "Zu    er", "Zu__er"},
        {"Stra_e", "  ", "Stra    e", "Stra__e"},
        {"", "", "", ""},
    };
    for (const auto& [lueckWort, satz, zeile, erwartet] : faelle) {
        EXPECT_EQ(wortZeile(QString::fromUtf8(lueckWort)), QString::fromUtf8(zeile)) << lueckWort;
        EXPECT_EQ(lueckSatz(QString::fromUtf8(lueckWort), QString::fromUtf8(satz)),
                  QString::fromUtf8(erwartet))
            << satz;
    }
}

TEST(AufgabenText, ListIsSortedGermanCaseBlindAndEndsAtAnEmptyItem) {
    const std::pair<const char*, QStringList> faelle[] = {
        {"ß,ss,s", {"s", "ss", QString::fromUtf8("ß")}},
        {"ie,i,ih,ieh", {"i", "ie", "ieh", "ih"}},
        {"V,f,W", {"f", "V", "W"}},
        {"Sie,sie", {"sie", "Sie"}}, // whatever the host's order
        {"ä,e", {QString::fromUtf8("ä"), "e"}},
        {"ie,,ih", {"ie"}},
        {"", {}},
    };
    for (const auto& [auswahl, liste] : faelle)
        EXPECT_EQ(listenEintraege(QString::fromUtf8(auswahl)), liste) << auswahl;
}

TEST(AufgabenText, OnlyLettersSelectByTyping) {
    for (QChar c : QString::fromUtf8("aAzZäÄöÖüÜß"))
        EXPECT_TRUE(istTippBuchstabe(c)) << QString(c).toStdString();
    for (QChar c : QString::fromUtf8("1 .-\béè@"))
        EXPECT_FALSE(istTippBuchstabe(c)) << int(c.unicode());
}
