#include "RdbTestHost.h"

#include "platform/SqliteDatabase.h"
#include "rdb/RdbManager.h"

using namespace zafku;

namespace {

const QStringList woerter = {"Biene | die | 1 | Die @ fliegt. | LIE_:2 | [[b'i:n@]]",
                             "Kind | das | 2 | Das @ spielt. | LIKU:2",
                             "Tier | das | 1 | Das @ schläft. | LIE_:2",
                             "Ring |  | 3 | Der @ glänzt. | LIKU:2",
                             "Wiese | die | 2 | Die @ ist grün. | LIE_:2",
                             "Fisch | der | 1 | Der @ schwimmt. | LIKU:2",
                             "Ziel | das | 4 |  | LIE_:3"};

const QStringList kmp = {
    R"(LIE_,"Schwerpunkte LIKE '%;LIE_;%'",LIKU,"Schwerpunkte LIKE '%;LIKU;%'",0:0,"ie:i,ie:ih",Tipp)",
    R"(LIEX,"Schwerpunkte LIKE '%;LIE_;%'",LIKU,"0",0:0,"ie:i",Tipp)"};

class ProtokollZufall : public SkriptZufall {
  public:
    QStringList bereiche;
    int zufallsZahl(int lo, int hi) override {
        bereiche.append(QString("%1-%2").arg(lo).arg(hi));
        return SkriptZufall::zufallsZahl(lo, hi);
    }
};

// The same draws through the index and by stepping; the two must agree at every step.
class RdbManagerTest : public ::testing::Test {
  protected:
    void SetUp() override {
        host.woerter(woerter);
        host.kmp(kmp);
    }
    void lade(const char* kennung) {
        for (RdbManager* r : {&rdb, &schritte}) {
            r->openRdb(host.path());
            r->loadKategorie(kennung);
        }
    }
    // Draws with the scripted numbers in both managers; the index's result.
    QString ziehe(const QList<int>& werte) {
        zufall.werte = schrittZufall.werte = werte;
        zufall.bereiche.clear();
        const QString liste = rdb.getNextAufgabe();
        EXPECT_EQ(schritte.getNextAufgabe(), liste);
        EXPECT_EQ(schritte.aufgabe, rdb.aufgabe);
        EXPECT_EQ(schritte.aufgabenPos, rdb.aufgabenPos);
        EXPECT_EQ(schritte.dbWort->rowid(), rdb.dbWort->rowid());
        return liste;
    }
    RdbTestHost host;
    ProtokollZufall zufall;
    SkriptZufall schrittZufall;
    RdbManager rdb{zufall, Suchart::Index};
    RdbManager schritte{schrittZufall, Suchart::Schritte};
};

} // namespace

TEST_F(RdbManagerTest, DrawsPositionTheRecordSetLikeStepping) {
    lade("LIE_");
    EXPECT_EQ(rdb.kategorie.anzahl1, 4);
    EXPECT_EQ(rdb.kategorie.anzahl2, 3);
    EXPECT_EQ(rdb.aufgabenPos, 25000);

    // Case, r, n, aktKontext spoilt (a task read again would overwrite it), what is read.
    using Zug = std::tuple<const char*, int, int, bool, const char*, const char*, int>;
    const Zug zuege[] = {
        {"first task", 50, 1, false, "Biene", "die", 1},
        {"forwards", 50, 3, false, "Wiese", "die", 3},
        {"same position reads nothing", 50, 3, true, "Wiese", "x", 3},
        {"backwards", 50, 2, false, "Tier", "das", 2},
        {"r 51 is list 2", 51, 2, false, "Ring", "", 2},
        {"same list, same n", 51, 2, true, "Ring", "x", 2},
        {"list change restarts at the same n", 50, 2, true, "Tier", "das", 2},
        {"fallback spot of the last task", 50, 4, false, "Ziel", "das", 4},
    };
    for (const auto& [fall, r, n, verfaelschen, wort, kontext, pos] : zuege) {
        SCOPED_TRACE(fall);
        if (verfaelschen)
            rdb.aufgabe.aktKontext = schritte.aufgabe.aktKontext = "x";
        const bool liste2 = r > 50;
        EXPECT_EQ(ziehe({r, n}), liste2 ? "ie,i" : "ie,i,ih");
        EXPECT_EQ(zufall.bereiche, QStringList({"1-100", liste2 ? "1-3" : "1-4"}));
        EXPECT_EQ(rdb.aufgabe.aktWort, wort);
        EXPECT_EQ(rdb.aufgabe.aktKontext, kontext);
        EXPECT_EQ(rdb.aufgabenPos, pos);
    }
    const Aufgabe ziel{7, "Ziel", 2, 2, "Z_l", "das", "", 4, 0};
    EXPECT_EQ(rdb.aufgabe, ziel);
    ziehe({50, 2});
    EXPECT_FALSE(rdb.gotoAufgabe(6, false)) << "past the last task";
    EXPECT_EQ(rdb.aufgabenPos, 4);
}

TEST_F(RdbManagerTest, EmptyListGivesNoTaskAndKeepsTheCurrentOne) {
    lade("LIEX");
    EXPECT_EQ(rdb.kategorie.anzahl1, 4);
    EXPECT_EQ(rdb.kategorie.anzahl2, 0);
    EXPECT_EQ(ziehe({50, 1}), "ie,i");
    const Aufgabe vorher = rdb.aufgabe;
    EXPECT_EQ(ziehe({51, 1}), "");
    EXPECT_EQ(ziehe({51, 1}), "");
    EXPECT_EQ(rdb.aufgabe, vorher);
    EXPECT_TRUE(rdb.letzteListe2);
}

// Without the table, or when it is not in [[ ]], the word is read as written.
TEST_F(RdbManagerTest, ReadsTheReviewedPronunciationIfAny) {
    const std::pair<const char*, const char*> faelle[] = {
        {"SELECT 1", "[[b'i:n@]]"},
        {"UPDATE Aussprache SET Lautschrift = 'b''i:n@'", ""},
        {"UPDATE Aussprache SET Lautschrift = '[[b''i:n@'", ""},
        {"DROP TABLE Aussprache", ""},
    };
    for (const auto& [sql, biene] : faelle) {
        SqliteDatabase(host.file("Vokra-D.mdb"), SqliteDatabase::Zugriff::Schreiben).exec(sql);
        lade("LIE_");
        ziehe({50, 1});
        EXPECT_EQ(rdb.aufgabe.aktAussprache, biene) << sql;
        ziehe({50, 2});
        EXPECT_EQ(rdb.aufgabe.aktAussprache, "") << "Tier";
    }
}
