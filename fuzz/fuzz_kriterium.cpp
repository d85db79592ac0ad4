// A criterion of Vokra.kmp against the word table: the one-expression check refuses what
// it must, whatever it lets through is exactly one read-only statement, and the finds of
// the record set meet the same records as SQLite's own count.
#include "FuzzHilfe.h"

#include "platform/LaufzeitFehler.h"
#include "platform/SqliteDatabase.h"
#include "platform/SqliteRecordSet.h"

#include <sqlite3.h>

#include <chrono>
#include <memory>

using namespace zafku;

namespace {

const SqliteDatabase& datenbank() {
    static const FuzzHost host;
    static const std::unique_ptr<SqliteDatabase> db = [] {
        const QString pfad = host.file(QStringLiteral("Vokra-D.mdb"));
        {
            const SqliteDatabase bau(pfad, SqliteDatabase::Zugriff::Schreiben);
            bau.exec(QStringLiteral("CREATE TABLE WortListe (RefNr INTEGER, Wort TEXT, "
                                    "Kontext TEXT, KomplexInd INTEGER, Schwerpunkte TEXT)"));
            const char* zeilen[] = {
                "1, 'Biene', 'die', 1, ';LIE_;'",   "2, 'Kind', NULL, 2, ';LIKU;'",
                "3, 'ihr', '', 3, ';LIIH;LIE_;'",   "4, 'Straße', 'die', 4, ';SS__;'",
                "5, NULL, NULL, NULL, NULL",        "6, 'spielen', 'wir', 1, ';LIE_;GK1M;'",
                "32767, 'x''y', 'z', -32768, ';;'", "7, 'Vieh', 'das', 5, ';LIEH;'",
            };
            for (const char* zeile : zeilen)
                bau.exec(QStringLiteral("INSERT INTO WortListe VALUES (%1)").arg(zeile));
        }
        auto offen =
            std::make_unique<SqliteDatabase>(pfad, SqliteDatabase::Zugriff::Unveraenderlich);
        offen->setZeitLimit(std::chrono::milliseconds(20));
        return offen;
    }();
    return *db;
}

// Values that change from call to call (random numbers, the clock) cannot be compared.
bool wechselhaft(const QString& kriterium) {
    for (const char* wort : {"random", "changes", "now", "current_"})
        if (kriterium.contains(QLatin1String(wort), Qt::CaseInsensitive))
            return true;
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > 400)
        return 0;
    const SqliteDatabase& db = datenbank();
    const QString kriterium =
        QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    SqliteRecordSet woerter(db, QStringLiteral("WortListe"));

    if (!istEinAusdruck(kriterium)) {
        try {
            woerter.findFirst(kriterium);
            PRUEFE(false, "a refused criterion was run");
        } catch (const LaufzeitFehler& fehler) {
            PRUEFE(fehler.text().contains(QLatin1String("kein einzelner Ausdruck")),
                   "refusal says why");
        }
        return 0;
    }

    // What the record set hands SQLite must be one statement that cannot write.
    const QByteArray sql = (QStringLiteral("SELECT rowid FROM \"WortListe\" WHERE (") + kriterium +
                            QStringLiteral(") AND rowid > ?1 ORDER BY rowid LIMIT 1"))
                               .toUtf8();
    sqlite3_stmt* roh = nullptr;
    const char* rest = nullptr;
    if (sqlite3_prepare_v2(db.handle(), sql.constData(), int(sql.size()) + 1, &roh, &rest) ==
        SQLITE_OK) {
        PRUEFE(roh != nullptr, "a statement");
        PRUEFE(QByteArray(rest).trimmed().isEmpty(), "nothing after the one statement");
        PRUEFE(sqlite3_stmt_readonly(roh), "the statement only reads");
        PRUEFE(sqlite3_bind_parameter_count(roh) == 1, "no parameter of the criterion's own");
    }
    sqlite3_finalize(roh);

    int gefunden = 0;
    try {
        woerter.findFirst(kriterium);
        while (!woerter.noMatch()) {
            PRUEFE(++gefunden <= 8, "each record found once");
            woerter.findNext(kriterium);
        }
    } catch (const LaufzeitFehler& fehler) {
        PRUEFE(fehler.text().contains(db.pfad()), "a fault names the database");
        return 0;
    }
    if (wechselhaft(kriterium))
        return 0;
    try {
        SqliteStatement zaehlen =
            db.prepare(QStringLiteral("SELECT count(*) FROM WortListe WHERE (%1)").arg(kriterium));
        PRUEFE(zaehlen.step(), "count row");
        PRUEFE(zaehlen.int64(0) == gefunden, "finds meet what SQLite counts");
    } catch (const LaufzeitFehler&) {
        // The time limit can strike on one query and not the other.
    }
    return 0;
}
