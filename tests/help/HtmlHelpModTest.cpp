#include "help/HtmlHelpMod.h"
#include "glob/SitzungsDaten.h"
#include <QDir>
#include <QFileInfo>

#include <QRegularExpression>

#include <gtest/gtest.h>

using namespace zafku;

TEST(InitHilfe, MapsEachCategoryGroupToItsTopicRange) {
    const std::pair<int, int> faelle[] = {
        {1, 1001},  {5, 1005},  {10, 1010}, {11, 1101}, {17, 1107}, {18, 1201}, {25, 1305},
        {26, 1401}, {30, 1503}, {31, 1601}, {34, 1703}, {39, 1708}, {40, 1801}, {42, 1901},
        {49, 2003}, {50, 2101}, {52, 2103}, {0, -7},    {53, -7},
    };
    for (const auto& [katNr, thema] : faelle) {
        SitzungsDaten daten;
        daten.katNr = katNr;
        daten.katHilfeNr = -7;
        initHilfe(daten);
        EXPECT_EQ(daten.katHilfeNr, thema) << "katNr " << katNr;
    }
}

// Every topic the game opens has its own page, and every link between pages leads to one.
TEST(HilfeSeite, ShippedHelpHasEveryTopicAndNoDeadLink) {
    const QString ordner = ZAFKU_HOST_SOURCE "/hilfe/Zafku/";
    for (const long thema : {1000, 2000, 3003, 3004, 3005, 3006, 3007, 3008, 3009})
        EXPECT_EQ(hilfeSeite(ZAFKU_HOST_SOURCE "/hilfe/Zafku.chm", thema),
                  ordner + QString::number(thema) + ".html");
    const QRegularExpression verweis("href=\"([^\"]+)\"");
    for (const QString& name : QDir(ordner).entryList({"*.html"})) {
        QFile seite(ordner + name);
        ASSERT_TRUE(seite.open(QIODevice::ReadOnly));
        for (const auto& treffer : verweis.globalMatch(QString::fromUtf8(seite.readAll())))
            EXPECT_TRUE(QFileInfo::exists(ordner + treffer.captured(1)))
                << name.toStdString() << " -> " << treffer.captured(1).toStdString();
    }
}
