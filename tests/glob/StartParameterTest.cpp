#include "glob/StartParameter.h"
#include "glob/SitzungsDaten.h"

#include <QStringList>

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

} // namespace

// The block, then what is read: "ok" or "-"; players; names and files ("|" between); category.
TEST(LeseStartParameter, ParsesTheLaunchBlock) {
    const std::pair<const char*, const char*> faelle[] = {
        {"\"Version=4;VeskFeldName=LIP_;LupenFlag=0;GwsFlag=0;nSpieler=2;Veze Vuvu;Tim;anna01;"
         "tim02;\"",
         "ok;2;Veze Vuvu|Tim;anna01|tim02;LIP_"},
        {"xVersion=4;nSpieler=0;x", "ok;0;;;"},
        {"xVersion=4;VeskFeldName=GK1M;", "ok;0;;;"}, // the last character closes, whatever it is
        {"\"Version=4 ;Class=abc;nSpieler= 3;a;b;c;d;e;f;\"", "ok;3;a|b|c;d|e|f;"},
        {"\"Version= 4;nSpieler=3x;a;b;c;d;e;f;rest\"", "ok;3;a|b|c;d|e|f;"},
        {"\"Version=4;nSpieler=2.5;a;b;c;d;\"", "ok;2;a|b;c|d;"},
        {"\"Version=4;nSpieler=zwei;\"", "ok;0;;;"},
        {"\"Version=4;VeskFeldName=GK1M;\"", "ok;0;;;GK1M"},
        {"\"Version=4;VeskFeldName=GK1M;Rest\"", "ok;0;;;GK1M"}, // an item without ";" ends it
        {"\"Version=4;nSpieler=1; Anna ;anna;\"", "ok;1; Anna ;anna;"},
        // Items after nSpieler= are names, never keys.
        {"\"Version=4;nSpieler=2;Version=5;Tim;a;b;\"", "ok;2;Version=5|Tim;a|b;"},
        {"\"Version=4.0;nSpieler=1;a;b;\"", "-;0;;;"},
        {"\"Version=4;VeskFeldName=X;Version=5;nSpieler=1;a;b;\"", "-;0;;;X"},
        {"\"Version=4;nSpieler=5;a;b;c;d;e;1;2;3;4;5;\"", "-;5;;;"},
        {"\"Version=4;nSpieler=-1;\"", "-;-1;;;"},
        {"\"Version=4;nSpieler=99999999999;\"", "-;2147483647;;;"},
        {"\"Version=4\t;nSpieler=0;\"", "-;0;;;"},
        {"\"Version=4;nSpieler=2;a;b;c\"", "-;2;;;"},
        {"\"Version=4;nSpieler=1;a;../x;\"", "-;1;;;"},
        {"\"Version=4;nSpieler=1;a;sub\\x;\"", "-;1;;;"},
        {"\"Version=4;nSpieler=1;a;;\"", "-;1;;;"},
    };
    for (const auto& [block, erwartet] : faelle) {
        SitzungsDaten daten;
        Mitschrift anzeige;
        const bool ok = leseStartParameter(QString::fromUtf8(block), daten, &anzeige);
        QStringList namen, dateien;
        for (int i = 0; ok && i < daten.nSpieler; ++i) {
            namen << daten.spielerName[i];
            dateien << daten.spielerDatei[i];
            EXPECT_EQ(daten.punkte[i][0], 0) << "no points yet";
            EXPECT_EQ(anzeige.namen.value(i), QString::number(i) + ":" + daten.spielerName[i]);
        }
        if (ok)
            EXPECT_EQ(anzeige.namen.size(), daten.nSpieler) << block;
        const QString gelesen = QStringList{ok ? "ok" : "-", QString::number(daten.nSpieler),
                                            namen.join('|'), dateien.join('|'), daten.feldName}
                                    .join(';');
        EXPECT_EQ(gelesen.toStdString(), erwartet) << block;
    }
}
