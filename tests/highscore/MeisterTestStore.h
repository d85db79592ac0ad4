#pragma once

#include "highscore/MeisterListe.h"
#include "highscore/PgMeisterSpeicher.h"
#include "highscore/SqliteMeisterSpeicher.h"
#include "support/PgWegwerfServer.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <libpq-fe.h>

// The server all tests of this binary share; started on first use.
inline PgWegwerfServer& pgServer() {
    static PgWegwerfServer server;
    return server;
}

// Runs one statement on the test server; the result's first value, or "" on failure.
inline QString pgWert(const QString& sql) {
    PGconn* c = PQconnectdb(pgServer().verbindung().toUtf8().constData());
    PQsetNoticeProcessor(
        c, [](void*, const char*) {}, nullptr);
    PGresult* r = PQexec(c, sql.toUtf8().constData());
    const QString wert = PQntuples(r) > 0 ? QString::fromUtf8(PQgetvalue(r, 0, 0)) : QString();
    PQclear(r);
    PQfinish(c);
    return wert;
}

// A fresh, empty store of either kind for one test. The PostgreSQL server cannot be
// missing in CI: there the test fails instead of being skipped.
class FrischerSpeicher {
  public:
    explicit FrischerSpeicher(const std::string& art) : art_(art) {}

    // Call through ASSERT_NO_FATAL_FAILURE; skips or fails when no server runs.
    void bereite() {
        if (art_ != "PostgreSQL")
            return;
        if (!pgServer().laeuft()) {
            if (qEnvironmentVariable("CI") == QLatin1String("true"))
                FAIL() << "PostgreSQL test server: " << pgServer().fehler().toStdString();
            GTEST_SKIP() << "PostgreSQL test server: " << pgServer().fehler().toStdString();
        }
        pgWert(QStringLiteral("DROP TABLE IF EXISTS Punkte"));
    }

    QString art() const {
        return art_ == "PostgreSQL" ? QStringLiteral("pg") : QStringLiteral("sqlite");
    }
    QString ort() const {
        return art_ == "PostgreSQL" ? pgServer().verbindung()
                                    : dir_.filePath(QStringLiteral("Meister.mdb"));
    }
    std::unique_ptr<zafku::MeisterSpeicher> neu() const {
        if (art_ == "PostgreSQL")
            return std::make_unique<zafku::PgMeisterSpeicher>(ort());
        return std::make_unique<zafku::SqliteMeisterSpeicher>(ort());
    }

  private:
    std::string art_;
    QTemporaryDir dir_;
};
