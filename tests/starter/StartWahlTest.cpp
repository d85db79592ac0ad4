#include "starter/StartWahl.h"
#include "glob/SitzungsDaten.h"
#include "glob/StartParameter.h"

#include <gtest/gtest.h>

using namespace zafku;
using namespace zafku::starter;

TEST(DateiNameAus, IsSafeReadableAndUnique) {
    const std::pair<const char*, const char*> faelle[] = {
        {"Jörg Müßig", "joerg_muessig"},
        {"Renée-Çelik", "renee_celik"},
        {"../../etc/passwd", "etc_passwd"},
        {"Zoe 09", "zoe_09"},
        {"李", "kind"},
        {"Maximiliane Wilhelmine von Hohenberg", "maximiliane_wilhelmine_v"},
    };
    for (const auto& [name, datei] : faelle)
        EXPECT_EQ(dateiNameAus(QString::fromUtf8(name)), QString::fromUtf8(datei)) << name;
    EXPECT_EQ(eindeutig("tim", {"tim", "tim2", "lea"}), "tim3");
    EXPECT_EQ(eindeutig("tim", {"TIM"}), "tim2");
}

TEST(StartBlock, IsReadByTheGameAsChosen) {
    const QList<Spieler> spieler = {
        {"Jörg Müßig", "joerg"}, {"Lea = Leonie", "lea"}, {" Ben", "ben"}, {"Zoë", "zoe2"}};
    ASSERT_EQ(pruefeWahl("LIE_", spieler), "");
    SitzungsDaten daten;
    ASSERT_TRUE(leseStartParameter(startBlock("LIE_", spieler), daten, nullptr));
    EXPECT_EQ(daten.feldName, "LIE_");
    ASSERT_EQ(daten.nSpieler, spieler.size());
    for (int i = 0; i < spieler.size(); ++i) {
        EXPECT_EQ(daten.spielerName[i], spieler[i].name);
        EXPECT_EQ(daten.spielerDatei[i], spieler[i].datei);
    }
    // A NUL would end the argument there; a line break would shift the high-score list.
    const QString block =
        startBlock("LIE_", {{QString::fromUtf8("Ti\0m\r", 5), "tim"}, {"Ben", "ben"}});
    EXPECT_EQ(block, "\"Version=4;VeskFeldName=LIE_;LupenFlag=0;GwsFlag=0;nSpieler=2;Ti m ;Ben;"
                     "tim;ben;\"");
}

TEST(PruefeWahl, RefusesWhatTheGameCannotServe) {
    const QList<Spieler> fuenf = {{"A", "a"}, {"B", "b"}, {"C", "c"}, {"D", "d"}, {"E", "e"}};
    const std::tuple<QString, QList<Spieler>, const char*> faelle[] = {
        {"LIE_", fuenf, "höchstens 4"},
        {"LIE_", {{"Anna;Tim", "anna"}}, "Semikolon"},
        {"LIE_", {{"Anna", "../anna"}}, "nicht erlaubt"},
        {"LIE_", {{"Anna", "kind"}, {"Anne", "kind"}}, "den Dateinamen"},
        {"LIE_", {{"  ", "kind"}}, "einen Namen"},
        {"", {{"Anna", "anna"}}, "zuerst"},
    };
    for (const auto& [code, spieler, meldung] : faelle)
        EXPECT_TRUE(pruefeWahl(code, spieler).contains(QString::fromUtf8(meldung)))
            << qPrintable(pruefeWahl(code, spieler));
}
