#include "RdbTestHost.h"

#include "platform/LaufzeitFehler.h"
#include "platform/SqliteDatabase.h"
#include "rdb/RdbManager.h"

#include <functional>

using namespace zafku;

namespace {

const char* block(const char* kriterium1, const char* regeln = "0:0") {
    static std::string b;
    b = std::string("LIE_,\"") + kriterium1 + "\",LIKU,\"1\"," + regeln + ",\"ie:i\",Tipp";
    return b.c_str();
}

void aendereDatenbank(const RdbTestHost& host, const char* sql) {
    const SqliteDatabase db(host.file("Vokra-D.mdb"), SqliteDatabase::Zugriff::Schreiben);
    db.exec(sql);
}

} // namespace

class FehlerTest : public ::testing::TestWithParam<Suchart> {};

TEST_P(FehlerTest, BadHostFilesRaiseAGermanTextNamingTheCulprit) {
    enum Schritt { oeffnen, laden, ziehen };
    const struct {
        const char* fall;
        std::function<void(RdbTestHost&)> vorbereiten;
        Schritt schritt;
        QStringList erwartet;
    } faelle[] = {
        {"no database",
         [](RdbTestHost& h) { QFile::remove(h.file("Vokra-D.mdb")); },
         oeffnen,
         {"Vokra-D.mdb", "fehlt"}},
        {"Access database",
         [](RdbTestHost& h) {
             QFile::remove(h.file("Vokra-D.mdb"));
             h.writeBytes("VOKRA-D.MDB", QByteArray("\0\x01\0\0Standard Jet DB\0\0", 21));
         },
         oeffnen,
         {"VOKRA-D.MDB", "Access"}},
        {"no exercise file",
         [](RdbTestHost& h) { QFile::remove(h.file("Vokra.kmp")); },
         laden,
         {"Vokra.kmp", "nicht gelesen"}},
        {"partial block",
         [](RdbTestHost& h) { h.kmp({"LIE_,1,LIKU"}); },
         laden,
         {"Vokra.kmp", "vollständigen Block"}},
        {"rules without colon",
         [](RdbTestHost& h) { h.kmp({block("1", "*1")}); },
         laden,
         {"LIE_", "»*1«", "Doppelpunkt"}},
        {"criterion SQLite rejects",
         [](RdbTestHost& h) { h.kmp({block("Wortt = 1")}); },
         laden,
         {"Wortt = 1", "no such column", "LIE_"}},
        {"second statement",
         [](RdbTestHost& h) { h.kmp({block("1); DELETE FROM WortListe; SELECT (1")}); },
         laden,
         {"DELETE FROM WortListe", "kein einzelner Ausdruck"}},
        {"Null Wort",
         [](RdbTestHost& h) { aendereDatenbank(h, "UPDATE WortListe SET Wort=NULL"); },
         laden,
         {"Wort", "WortListe", "Null"}},
        {"RefNr beyond 16 bits",
         [](RdbTestHost& h) { aendereDatenbank(h, "UPDATE WortListe SET RefNr=32768"); },
         laden,
         {"RefNr", "32768", "16-Bit"}},
        {"KomplexInd beyond 16 bits",
         [](RdbTestHost& h) { aendereDatenbank(h, "UPDATE WortListe SET KomplexInd=-32769"); },
         ziehen,
         {"KomplexInd", "-32769"}},
        {"Null sentence",
         [](RdbTestHost& h) { aendereDatenbank(h, "UPDATE SemSynt SET SatzKontext=NULL"); },
         ziehen,
         {"SatzKontext", "Null"}},
    };
    for (const auto& f : faelle) {
        RdbTestHost host;
        host.woerter({"Biene | die | 1 | Die @ fliegt. | LIE_:2"});
        host.kmp({block("1")});
        f.vorbereiten(host);
        SkriptZufall zufall;
        zufall.werte = {50, 1};
        RdbManager rdb(zufall, GetParam());
        try {
            rdb.openRdb(host.path());
            ASSERT_NE(f.schritt, oeffnen) << f.fall;
            rdb.loadKategorie("LIE_");
            ASSERT_NE(f.schritt, laden) << f.fall;
            rdb.getNextAufgabe();
            ADD_FAILURE() << f.fall << ": no error";
        } catch (const LaufzeitFehler& fehler) {
            for (const QString& teil : f.erwartet)
                EXPECT_TRUE(fehler.text().contains(teil)) << f.fall << ": " << fehler.what();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(BeideSuchArten, FehlerTest,
                         ::testing::Values(Suchart::Index, Suchart::Schritte),
                         [](const auto& info) {
                             return info.param == Suchart::Index ? "Index" : "Schritte";
                         });
