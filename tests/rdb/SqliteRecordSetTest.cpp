#include "RdbTestHost.h"

#include "platform/LaufzeitFehler.h"
#include "platform/SqliteRecordSet.h"

#include <sys/stat.h>

using namespace zafku;

TEST(SqliteRecordSet, FindsWalkInRowidOrderAndKeepTheRecordOnNoMatch) {
    RdbTestHost host;
    const QString pfad = host.file("t.db");
    {
        const SqliteDatabase db(pfad, SqliteDatabase::Zugriff::Schreiben);
        db.exec("CREATE TABLE t(a INTEGER, b TEXT)");
        db.exec("INSERT INTO t VALUES (3,'x'),(1,NULL),(3,'y'),(2,'z')");
    }
    const SqliteDatabase db(pfad);
    SqliteRecordSet t(db, "t");
    QStringList gefunden;
    for (t.findFirst("a >= 2"); !t.noMatch(); t.findNext("a >= 2"))
        gefunden << t.field("B").toString();
    EXPECT_EQ(gefunden, (QStringList{"x", "y", "z"}));
    EXPECT_EQ(t.rowid(), 4);
    t.findFirst("a", 1);
    EXPECT_TRUE(t.field("b").isNull());
    t.findNext("a", 1);
    EXPECT_TRUE(t.noMatch());
    EXPECT_EQ(t.rowid(), 2);
    EXPECT_THROW(t.field("c"), LaufzeitFehler);
    EXPECT_THROW(SqliteRecordSet(db, "u"), LaufzeitFehler);
    EXPECT_THROW(db.exec("INSERT INTO t VALUES (5,'w')"), LaufzeitFehler);
    EXPECT_THROW(SqliteDatabase(pfad, SqliteDatabase::Zugriff::Schreiben).exec("DELETE FROM t"),
                 LaufzeitFehler)
        << "nobody changes the file under its reader";
    try {
        t.findFirst("abs(-9223372036854775807 - 1) > 0"); // fails only while searching
        ADD_FAILURE();
    } catch (const LaufzeitFehler& e) {
        EXPECT_TRUE(e.text().contains("Kriterium »abs(")) << e.what();
        EXPECT_TRUE(e.text().contains("ist fehlgeschlagen")) << e.what();
    }
}

TEST(SqliteRecordSet, ACriterionIsOneExpression) {
    for (const char* k :
         {"Wort = 'a;b'", "(a OR b) AND (c)", "\"a)\" = 1", "Wort = ':a'", "[a)] = `b)`"})
        EXPECT_TRUE(istEinAusdruck(k)) << k;
    for (const char* k :
         {"1; DROP TABLE t", "1) OR (1", "(1", "1 /* ( */ ) ORDER BY rowid LIMIT (1 /* ) */",
          "1 -- )", "RefNr > ?1", "#l", "RefNr = :a", "RefNr = @a", "RefNr = $a", "'offen", "  "})
        EXPECT_FALSE(istEinAusdruck(k)) << k;
}

TEST(SqliteDatabase, RecognisesFilesThatAreNoSqliteDatabase) {
    RdbTestHost host;
    host.writeBytes("ace.mdb", QByteArray("\0\x01\0\0Standard ACE DB\0", 20));
    host.writeBytes("text.mdb", "hallo");
    const std::pair<const char*, const char*> faelle[] = {{"ace.mdb", "Access-Datenbank"},
                                                          {"text.mdb", "keine SQLite-Datenbank"},
                                                          {"fehlt.mdb", "Datei fehlt"},
                                                          {"fifo.mdb", "keine gewöhnliche Datei"}};
    ASSERT_EQ(mkfifo(qPrintable(host.file("fifo.mdb")), 0600), 0);
    for (const auto& [datei, text] : faelle) {
        try {
            SqliteDatabase db(host.file(datei));
            ADD_FAILURE() << datei;
        } catch (const LaufzeitFehler& e) {
            EXPECT_TRUE(e.text().contains(text)) << e.what();
            EXPECT_TRUE(e.text().contains(datei)) << e.what();
        }
    }
}

TEST(SqliteDatabase, ReadsUnchangedFromAFolderOfAnyName) {
    RdbTestHost host;
    // Characters that would end or escape the path inside an SQLite file URI.
    for (const char* ordner : {"a ?b", "c#d", "e%41f", "g//h", "Schüler"}) {
        const QString pfad = host.file(QString::fromUtf8(ordner) + "/w.mdb");
        QDir().mkpath(QFileInfo(pfad).path());
        SqliteDatabase(pfad, SqliteDatabase::Zugriff::Schreiben)
            .exec("CREATE TABLE t AS SELECT 42 AS x");
        const SqliteDatabase db(pfad, SqliteDatabase::Zugriff::Unveraenderlich);
        SqliteStatement s = db.prepare("SELECT x FROM t");
        ASSERT_TRUE(s.step()) << ordner;
        EXPECT_EQ(s.int64(0), 42) << ordner;
    }
}
