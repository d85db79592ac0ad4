#include "RdbTestHost.h"

#include "platform/SqliteDatabase.h"

#include <QProcess>

using namespace zafku;

namespace {

struct Lauf {
    int code;
    QString fehler;
};

Lauf vokradb(const RdbTestHost& host, const QStringList& zeilen) {
    host.writeBytes("w/a.txt", zeilen.join('\n').toUtf8());
    host.writeBytes("Vokra.tsp", "\"Titel\",LIE_\n\">>> Gruppe\",\">>>1\"\n\"T2\",GK1M\n");
    QProcess p;
    p.start(VOKRADB, {host.file("Vokra.tsp"), host.file("w"), host.file("out.mdb")});
    p.waitForFinished();
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardError())};
}

QStringList zeilen(const SqliteDatabase& db, const char* sql) {
    QStringList ergebnis;
    SqliteStatement s = db.prepare(sql);
    while (s.step()) {
        QStringList felder;
        for (int i = 0; i < s.columnCount(); ++i)
            felder << (s.value(i).isNull() ? "NULL" : s.value(i).toString());
        ergebnis << felder.join('|');
    }
    return ergebnis;
}

} // namespace

TEST(VokraDb, WritesTheThreeTables) {
    RdbTestHost host;
    const Lauf lauf =
        vokradb(host, {"# Kommentar", "Biene | die | 1 | Die @ fliegt. | LIE_:2 GK1M:1", "",
                       "wir | | 2 | | LIE_:2 LIE_:3"});
    ASSERT_EQ(lauf.code, 0) << qPrintable(lauf.fehler);
    const SqliteDatabase db(host.file("out.mdb"));
    EXPECT_EQ(zeilen(db, "SELECT * FROM WortListe"),
              (QStringList{"1|Biene|die|1|;LIE_;GK1M;", "2|wir|NULL|2|;LIE_;"}));
    EXPECT_EQ(zeilen(db, "SELECT * FROM LupenStellen"),
              (QStringList{"1|1|2", "1|2|1", "2|1|2", "2|1|3"}));
    EXPECT_EQ(zeilen(db, "SELECT * FROM SemSynt"), (QStringList{"1|Die @ fliegt."}));
    EXPECT_FALSE(QFile::exists(host.file("out.mdb.tmp")));
}
