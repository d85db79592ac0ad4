#include "glob/StartParameter.h"
#include "glob/SitzungsDaten.h"

#include <QStringList>

#include <climits>

#include <gtest/gtest.h>

using namespace zafku;

namespace {

class Mitschrift : public SpielerAnzeige {
  public:
    void spielerGelesen(int i, const QString& name) override {
        namen.append(QString::number(i) + ":" + name);
    }
    QStringList namen;
};

struct Fall {
    const char* block;
    bool ok;
    int nSpieler;
    QStringList namen;
    QStringList dateien;
    const char* feldName;
};

} // namespace

TEST(LeseStartParameter, ParsesTheLaunchBlock) {
    const Fall faelle[] = {
        {"\"Version=4;VeskFeldName=LIP_;LupenFlag=0;GwsFlag=0;nSpieler=2;Veze "
         "Vuvu;Tim;anna01;tim02;\"",
         true,
         2,
         {"Veze Vuvu", "Tim"},
         {"anna01", "tim02"},
         "LIP_"},
        {"xVersion=4;nSpieler=0;x", true, 0, {}, {}, ""},
        {"\"Version=4 ;Class=abc;nSpieler= 3;a;b;c;d;e;f;\"",
         true,
         3,
         {"a", "b", "c"},
         {"d", "e", "f"},
         ""},
        {"\"Version= 4;nSpieler=3x;a;b;c;d;e;f;rest\"",
         true,
         3,
         {"a", "b", "c"},
         {"d", "e", "f"},
         ""},
        {"\"Version=4;nSpieler=2.5;a;b;c;d;\"", true, 2, {"a", "b"}, {"c", "d"}, ""},
        {"\"Version=4;nSpieler=zwei;\"", true, 0, {}, {}, ""},
        {"\"Version=4;VeskFeldName=GK1M;\"", true, 0, {}, {}, "GK1M"},
        {"\"Version=4;nSpieler=1; Anna ;anna;\"", true, 1, {" Anna "}, {"anna"}, ""},
        // Items after nSpieler= are names, never keys.
        {"\"Version=4;nSpieler=2;Version=5;Tim;a;b;\"",
         true,
         2,
         {"Version=5", "Tim"},
         {"a", "b"},
         ""},
        {"\"Version=4.0;nSpieler=1;a;b;\"", false, 0, {}, {}, ""},
        {"\"Version=4;VeskFeldName=X;Version=5;nSpieler=1;a;b;\"", false, 0, {}, {}, "X"},
        {"\"Version=4;nSpieler=5;a;b;c;d;e;1;2;3;4;5;\"", false, 5, {}, {}, ""},
        {"\"Version=4;nSpieler=-1;\"", false, -1, {}, {}, ""},
        {"\"Version=4;nSpieler=99999999999;\"", false, INT_MAX, {}, {}, ""},
        {"\"Version=4\t;nSpieler=0;\"", false, 0, {}, {}, ""},
        {"\"Version=4;VeskFeldName=LIE_\t;\"", true, 0, {}, {}, "LIE_\t"},
        {"\"Version=4;nSpieler=2;a;b;c\"", false, 2, {"a", "b"}, {"c"}, ""},
        {"\"Version=4;nSpieler=2;a\"", false, 2, {}, {}, ""},
        {"\"Version=4;nSpieler=1;a;../x;\"", false, 1, {"a"}, {"../x"}, ""},
        {"\"Version=4;nSpieler=1;a;sub/x;\"", false, 1, {"a"}, {"sub/x"}, ""},
        {"\"Version=4;nSpieler=1;a;sub\\x;\"", false, 1, {"a"}, {"sub\\x"}, ""},
        {"\"Version=4;nSpieler=1;a;.versteckt;\"", false, 1, {"a"}, {".versteckt"}, ""},
        {"\"Version=4;nSpieler=1;a;;\"", false, 1, {"a"}, {""}, ""},
        {"\"Version=4;nSpieler=1;a;x\ty;\"", false, 1, {"a"}, {"x\ty"}, ""},
    };
    for (const Fall& f : faelle) {
        SitzungsDaten daten;
        Mitschrift anzeige;
        const bool ok = leseStartParameter(QString::fromUtf8(f.block), daten, &anzeige);
        SCOPED_TRACE(f.block);
        EXPECT_EQ(ok, f.ok);
        EXPECT_EQ(daten.nSpieler, f.nSpieler);
        EXPECT_EQ(daten.feldName, QString::fromUtf8(f.feldName));
        if (!f.ok)
            continue;
        for (int i = 0; i < f.nSpieler; ++i) {
            EXPECT_EQ(daten.spielerName[i], f.namen[i]);
            EXPECT_EQ(daten.spielerDatei[i], f.dateien[i]);
            EXPECT_EQ(anzeige.namen[i], QString::number(i) + ":" + f.namen[i]);
        }
        EXPECT_EQ(anzeige.namen.size(), f.nSpieler);
    }
}
