#include "RdbTestHost.h"

#include "platform/LaufzeitFehler.h"
#include "platform/SqliteDatabase.h"
#include "rdb/RdbManager.h"

#include <QDir>

#include <chrono>
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

using Vorbereitung = std::function<void(RdbTestHost&)>;
Vorbereitung sql(const char* befehl) {
    return [=](RdbTestHost& h) { aendereDatenbank(h, befehl); };
}
Vorbereitung uebung(const std::string& zeile) {
    return [=](RdbTestHost& h) { h.kmp({QString::fromStdString(zeile)}); };
}

} // namespace

// Both search modes must fail alike: same step, same message.
TEST(Fehler, BadHostFilesRaiseAGermanTextNamingTheCulprit) {
    enum Schritt { oeffnen, laden, ziehen, keiner };
    const struct {
        const char* fall;
        Vorbereitung vorbereiten;
        Schritt schritt;
        QStringList erwartet;
        bool datenFehler = false; // then the exercise is not blamed
    } faelle[] = {
        {"no database", [](RdbTestHost& h) { QFile::remove(h.file("Vokra-D.mdb")); }, oeffnen,
         {"Vokra-D.mdb", "fehlt"}},
        {"Access database",
         [](RdbTestHost& h) {
             QFile::remove(h.file("Vokra-D.mdb"));
             h.writeBytes("VOKRA-D.MDB", QByteArray("\0\x01\0\0Standard Jet DB\0\0", 21));
         },
         oeffnen, {"VOKRA-D.MDB", "Access"}},
        {"no exercise file", [](RdbTestHost& h) { QFile::remove(h.file("Vokra.kmp")); }, laden,
         {"Vokra.kmp", "nicht gelesen"}},
        {"partial block", uebung("LIE_,1,LIKU"), laden, {"Vokra.kmp", "vollständigen Block"}},
        {"exercise key missing", uebung(R"(LIKU,"1",LIKU,"1",0:0,"ie:i",Tipp)"), laden,
         {"Übung LIE_ fehlt", "Vokra.kmp"}},
        {"file cut inside the last quoted field",
         [](RdbTestHost& h) { h.writeBytes("Vokra.kmp", "LIE_,\"1\",LIKU,\"1\",0:0,\"ie:i\",\"Tipp"); },
         laden, {"Vokra.kmp", "vollständigen Block"}},
        {"criterion that never ends",
         uebung(block("RefNr IN (WITH RECURSIVE c(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM c) "
                      "SELECT x FROM c WHERE x < 0)")),
         laden, {"WITH RECURSIVE", "braucht zu lange", "Übung LIE_ in Vokra.kmp"}},
        {"column Wort missing", sql("ALTER TABLE WortListe RENAME COLUMN Wort TO Wart"), oeffnen,
         {"Vokra-D.mdb", "WortListe", "fehlt das Feld Wort"}, true},
        {"database cut short",
         [](RdbTestHost& h) { ASSERT_TRUE(QFile(h.file("Vokra-D.mdb")).resize(2 * 4096)); },
         oeffnen, {"Vokra-D.mdb", "beschädigt"}, true},
        {"rules without colon", uebung(block("1", "*1")), laden, {"LIE_", "»*1«", "Doppelpunkt"}},
        {"rule below 16 bits", uebung(block("1", "-32769:0")), laden, {"-32769", "zu groß"}},
        {"criterion SQLite rejects", uebung(block("Wortt = 1")), laden,
         {"Wortt = 1", "Das Feld »Wortt« gibt es nicht", "Übung LIE_ in Vokra.kmp"}},
        {"second statement", uebung(block("1); DELETE FROM WortListe; SELECT (1")), laden,
         {"DELETE FROM WortListe", "kein einzelner Ausdruck"}},
        {"Null Wort", sql("UPDATE WortListe SET Wort=NULL"), laden,
         {"Feld Wort der Tabelle WortListe (RefNr 1)", "Null"}, true},
        {"RefNr beyond 16 bits", sql("UPDATE WortListe SET RefNr=32768"), laden,
         {"Feld RefNr der Tabelle WortListe (Datensatz 1)", "32768", "16-Bit"}, true},
        {"KomplexInd beyond 16 bits", sql("UPDATE WortListe SET KomplexInd=-32769"), laden,
         {"Feld KomplexInd der Tabelle WortListe (RefNr 1)", "-32769"}, true},
        {"numbers at the 16-bit edges", sql("UPDATE WortListe SET KomplexInd=-32768, RefNr=32767"),
         keiner, {}},
        {"Null sentence", sql("UPDATE SemSynt SET SatzKontext=NULL"), laden,
         {"Feld SatzKontext der Tabelle SemSynt (RefNr 1)", "Null"}, true},
        {"exercise without spellings", uebung(R"(LIE_,"1",LIKU,"1",0:0,"",Tipp)"), laden,
         {"LIE_", "keine einzige Aufgabe", "keine Schreibungen"}},
        {"no word meets the criteria", uebung(R"(LIE_,"0",LIKU,"0",0:0,"ie:i",Tipp)"), laden,
         {"keine einzige Aufgabe", "Kein Wort der Datenbank"}},
        {"no word holds a spelling", uebung(R"(LIE_,"1",LIKU,"1",0:0,"x:y",Tipp)"), laden,
         {"keine einzige Aufgabe", "an einer erlaubten Stelle"}},
        {"odd marker rows only cost their own match",
         sql("INSERT INTO LupenStellen VALUES(1, NULL, 2), (1, 70000, 2), (1, 1, NULL), "
             "(1, 1, -40000), (999, 'x', 1), (NULL, 1, 2)"),
         keiner, {}},
    };
    for (const auto& f : faelle) {
        QString meldung[2];
        Schritt erreicht[2];
        for (const Suchart art : {Suchart::Index, Suchart::Schritte}) {
            RdbTestHost host;
            host.woerter({"Biene | die | 1 | Die @ fliegt. | LIE_:2"});
            host.kmp({block("1")});
            f.vorbereiten(host);
            SkriptZufall zufall;
            zufall.werte = {50, 1};
            RdbManager rdb(zufall, art);
            const int i = art == Suchart::Index ? 0 : 1;
            try {
                erreicht[i] = oeffnen;
                rdb.openRdb(host.path());
                rdb.db->setZeitLimit(std::chrono::milliseconds(300));
                erreicht[i] = laden;
                rdb.loadKategorie("LIE_");
                erreicht[i] = ziehen;
                if (rdb.getNextAufgabe().isEmpty())
                    meldung[i] = "no task";
                erreicht[i] = keiner;
            } catch (const LaufzeitFehler& fehler) {
                // Each run has its own folder.
                meldung[i] = QString(fehler.text()).replace(host.path(), "<host>");
            }
        }
        EXPECT_EQ(erreicht[0], erreicht[1]) << f.fall;
        EXPECT_EQ(meldung[0].toStdString(), meldung[1].toStdString()) << f.fall;
        EXPECT_EQ(erreicht[0], f.schritt) << f.fall << ": " << meldung[0].toStdString();
        for (const QString& teil : f.erwartet)
            EXPECT_TRUE(meldung[0].contains(teil)) << f.fall << ": " << meldung[0].toStdString();
        // Plain German for the teacher: no SQL of the game's own, no English.
        for (const char* fremd : {"SELECT rowid", "no such", "malformed", "disk image"})
            EXPECT_FALSE(meldung[0].contains(fremd)) << f.fall << ": " << meldung[0].toStdString();
        if (f.datenFehler)
            EXPECT_FALSE(meldung[0].contains("Vokra.kmp")) << f.fall << ": blames the exercise";
    }
}

TEST(RdbManager, WritesNothingBesideTheSpellingDatabase) {
    RdbTestHost host;
    host.woerter({"Biene | die | 1 | Die @ fliegt. | LIE_:2"});
    host.kmp({block("1")});
    // A database left in WAL mode would otherwise get -wal and -shm files beside it.
    aendereDatenbank(host, "PRAGMA journal_mode=WAL");
    const QStringList vorher = QDir(host.path()).entryList(QDir::Files);
    {
        SkriptZufall zufall;
        RdbManager rdb(zufall, Suchart::Index);
        rdb.openRdb(host.path());
        rdb.loadKategorie("LIE_");
        EXPECT_FALSE(rdb.getNextAufgabe().isEmpty());
        EXPECT_EQ(QDir(host.path()).entryList(QDir::Files), vorher);
    }
    EXPECT_EQ(QDir(host.path()).entryList(QDir::Files), vorher);
}
