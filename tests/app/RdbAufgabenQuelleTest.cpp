#include "app/RdbAufgabenQuelle.h"
#include "rdb/RdbTestHost.h"

using namespace zafku;

TEST(RdbAufgabenQuelle, CountsTheTasksOfBothLists) {
    RdbTestHost host;
    host.woerter({"Biene | die | 1 | Die @ fliegt. | LIE_:2", "Tier | das | 1 | | LIE_:2",
                  "Kind | das | 2 | | LIKU:2"});
    host.kmp(
        {R"(LIE_,"Schwerpunkte LIKE '%;LIE_;%'",LIKU,"Schwerpunkte LIKE '%;LIKU;%'",0:0,"ie:i",Merk dir das)"});
    SkriptZufall zufall;
    RdbAufgabenQuelle quelle(zufall);
    quelle.oeffne(host.path(), "LIE_");
    EXPECT_EQ(quelle.anzahlAufgaben(), 3);
    EXPECT_EQ(quelle.tippText(), "Merk dir das");
}
