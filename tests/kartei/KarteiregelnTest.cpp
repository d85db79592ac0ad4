#include "kartei/Karteiregeln.h"
#include "kartei/Lesestand.h"

#include <gtest/gtest.h>

using namespace zafku::kartei;
using zafku::bericht::Antwort;

namespace {

const QDate kTag0(2026, 12, 7);

struct Lesetag {
    int tag;           // days after kTag0
    QList<int> falsch; // RefNr answered wrong (or also wrong)
    QList<int> richtig;
};

QStringList texte(const NeueZeilen& n) {
    QStringList t;
    for (const auto& z : n.zeilen)
        t.append(QString::number(z.nummer) + u':' + z.text);
    return t;
}

} // namespace

TEST(Karteiregeln, MovesWordsByTheDayTheyAreRead) {
    const QList<Lesetag> bisFach5 = {
        {0, {7}, {}}, {1, {}, {7}}, {3, {}, {7}}, {7, {}, {7}}, {14, {}, {7}}};
    // Then word 7's box (-1: not in the box) and due day, in days after kTag0.
    const std::tuple<const char*, QList<Lesetag>, int, int> faelle[] = {
        {"a right word that was never wrong stays out", {{0, {}, {7}}}, -1, 0},
        {"wrong goes to box 1 for tomorrow", {{0, {7}, {}}}, 1, 1},
        {"one wrong among right answers counts as wrong", {{0, {7}, {7, 7}}}, 1, 1},
        {"right on the due day moves up with two days", {{0, {7}, {}}, {1, {}, {7}}}, 2, 3},
        {"right before the due day changes nothing", {{0, {7}, {}}, {0, {}, {7}}}, 1, 1},
        {"right after the due day still moves up", {{0, {7}, {}}, {5, {}, {7}}}, 2, 7},
        {"wrong again goes back to box 1", {{0, {7}, {}}, {1, {}, {7}}, {2, {7}, {}}}, 1, 3},
        {"boxes 3, 4 and 5 wait 4, 7 and 14 days", bisFach5, 5, 28},
        {"right in box 5 is learned", bisFach5 + QList<Lesetag>{{28, {}, {7}}}, kGelernt, -1},
        {"a learned word answered right stays learned",
         bisFach5 + QList<Lesetag>{{28, {}, {7}}, {60, {}, {7}}}, kGelernt, -1},
        {"a learned word answered wrong comes back",
         bisFach5 + QList<Lesetag>{{28, {}, {7}}, {60, {7}, {}}}, 1, 61},
    };
    for (const auto& [name, tage, fach, faellig] : faelle) {
        Karten k;
        for (const Lesetag& t : tage) {
            QList<Antwort> antworten;
            for (int r : t.richtig)
                antworten.append({r, true, {}});
            for (int r : t.falsch)
                antworten.append({r, false, QStringLiteral("x")});
            wendeAn(k, antworten, kTag0.addDays(t.tag));
        }
        if (fach < 0) {
            EXPECT_FALSE(k.contains(7)) << name;
            continue;
        }
        ASSERT_TRUE(k.contains(7)) << name;
        EXPECT_EQ(k[7].fach, fach) << name;
        EXPECT_EQ(k[7].faellig, faellig < 0 ? QDate() : kTag0.addDays(faellig)) << name;
    }
}

TEST(Karteiregeln, ReportsWhatComesBackAndWhatIsLearned) {
    Karten k = {{1, {1, 5, kTag0}}, {2, {2, 2, kTag0}}, {3, {3, 3, kTag0.addDays(1)}}};
    const Aenderungen a =
        wendeAn(k, {{1, true, {}}, {2, true, {}}, {3, true, {}}, {4, false, "y"}}, kTag0);
    EXPECT_EQ(a.gelernt, QList<int>{1});
    EXPECT_EQ(a.weiter, QList<int>{2});
    EXPECT_EQ(a.zurueck, QList<int>{4});
}

TEST(Lesestand, ReturnsEachLineOnce) {
    const QByteArray alt = "1= OK\r\n2= Bal\r\n\r\n3= OK\r\n";
    const std::tuple<const char*, QByteArray, QStringList, bool> faelle[] = {
        {"nothing new", alt, {}, false},
        {"appended lines", alt + "4= OK\r\n5= Hunt\r\n", {"5:4= OK", "6:5= Hunt"}, false},
        {"a line still being written waits", alt + "4= OK\r\n5= Hu", {"5:4= OK"}, false},
        {"old lines cut off the front", "2= Bal\r\n\r\n3= OK\r\n4= OK\r\n", {"4:4= OK"}, true},
        {"emptied and played again", "9= OK\r\n", {"1:9= OK"}, true},
        {"replaced by another file", "8= OK\r\n2= Bal\r\n", {"1:8= OK", "2:2= Bal"}, true},
    };
    const NeueZeilen erste = neueZeilen(alt, {});
    EXPECT_EQ(texte(erste), QStringList({"1:1= OK", "2:2= Bal", "4:3= OK"}));
    EXPECT_FALSE(erste.neueDatei) << "a first reading is no replaced file";
    for (const auto& [name, danach, erwartet, neueDatei] : faelle) {
        const NeueZeilen n = neueZeilen(danach, erste.stand);
        EXPECT_EQ(texte(n), erwartet) << name;
        EXPECT_EQ(n.neueDatei, neueDatei) << name;
        EXPECT_TRUE(neueZeilen(danach, n.stand).zeilen.isEmpty()) << name;
    }
}
