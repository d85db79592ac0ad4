#pragma once

#include "support/PgWegwerfServer.h"

#include <gtest/gtest.h>
#include <libpq-fe.h>

// The server all tests of a binary share; started on first use.
inline PgWegwerfServer& pgServer() {
    static PgWegwerfServer server;
    return server;
}

// Runs drop on the server to start a test afresh; call through ASSERT_NO_FATAL_FAILURE. The
// server cannot be missing in CI: there the test fails instead of being skipped.
inline void leerePg(const char* drop) {
    if (!pgServer().laeuft()) {
        if (qEnvironmentVariable("CI") == QLatin1String("true"))
            FAIL() << "PostgreSQL test server: " << pgServer().fehler().toStdString();
        GTEST_SKIP() << "PostgreSQL test server: " << pgServer().fehler().toStdString();
    }
    PGconn* c = PQconnectdb(pgServer().verbindung().toUtf8().constData());
    PQsetNoticeProcessor(
        c, [](void*, const char*) {}, nullptr);
    PQclear(PQexec(c, drop));
    PQfinish(c);
}
