#include "PgVerbindung.h"

#include "LaufzeitFehler.h"

#include <libpq-fe.h>

#include <cerrno>
#include <chrono>
#include <cstdint>
#include <memory>
#include <poll.h>
#include <vector>

namespace zafku {

namespace {

QString ersteZeile(const char* text) {
    return QString::fromUtf8(text).trimmed().section(u'\n', 0, 0).trimmed();
}

using Uhr = std::chrono::steady_clock;

// Waits until the socket is ready for ev or the deadline passes; false on the deadline.
bool warte(int sock, short ev, Uhr::time_point bis) {
    for (;;) {
        const auto rest = std::chrono::duration_cast<std::chrono::milliseconds>(bis - Uhr::now());
        if (rest.count() <= 0 || sock < 0)
            return false;
        pollfd p{sock, ev, 0};
        const int n = ::poll(&p, 1, int(std::min<std::int64_t>(rest.count(), 1000)));
        if (n > 0)
            return true;
        if (n < 0 && errno != EINTR)
            return false;
    }
}

} // namespace

PgVerbindung::PgVerbindung(const QString& verbindung, const QString& wer, int netzS)
    : verbindung_(verbindung.toUtf8()), bezeichnung_(wer), netzS_(netzS) {
    char* parseFehler = nullptr;
    PQconninfoOption* optionen = PQconninfoParse(verbindung_.constData(), &parseFehler);
    if (!optionen) {
        // libpq's text may quote the string, and with it a password: leave it out.
        PQfreemem(parseFehler);
        konfigFehler_ = wer + QStringLiteral(" ist in Vokra.ini falsch angegeben: Der Eintrag "
                                             "Server= im Abschnitt [Meisterliste] ist keine "
                                             "gültige Verbindungsangabe.");
        return;
    }
    // Only what tells a teacher which server is meant; never a password.
    const char* genannt[] = {"host", "hostaddr", "port", "dbname", "user"};
    QStringList teile;
    for (const char* name : genannt)
        for (const PQconninfoOption* o = optionen; o->keyword; ++o)
            if (qstrcmp(o->keyword, name) == 0 && o->val && *o->val)
                teile.append(QString::fromUtf8(name) + u'=' + QString::fromUtf8(o->val));
    for (const PQconninfoOption* o = optionen; o->keyword; ++o)
        if (qstrcmp(o->keyword, "password") == 0 && o->val && *o->val)
            konfigFehler_ = wer + QStringLiteral(" kann nicht benutzt werden: Das Kennwort darf "
                                                 "nicht in Vokra.ini stehen. Bitte eine "
                                                 "Kennwortdatei (.pgpass) auf dem Rechner "
                                                 "benutzen.");
    PQconninfoFree(optionen);
    if (!teile.isEmpty())
        bezeichnung_ += QStringLiteral(" (") + teile.join(u' ') + u')';
}

PgVerbindung::~PgVerbindung() {
    trenne();
}

void PgVerbindung::verbinde(int tcpWartenS) {
    trenne();
    if (!konfigFehler_.isEmpty())
        throw LaufzeitFehler(konfigFehler_);
    // Defaults first: the host's connection string overrides them.
    const char* schluessel[] = {"connect_timeout",
                                "keepalives_idle",
                                "keepalives_interval",
                                "keepalives_count",
                                "tcp_user_timeout",
                                "application_name",
                                "dbname",
                                "client_encoding",
                                nullptr};
    const QByteArray tcpWarten = QByteArray::number(tcpWartenS * 1000);
    const QByteArray verbindenS = QByteArray::number(netzS_);
    const char* werte[] = {
        verbindenS.constData(),  "5",    "2", "3", tcpWarten.constData(), "Zafku",
        verbindung_.constData(), "UTF8", nullptr};
    // Polled against a deadline of our own: a blocking connect would wait for good on a
    // server that accepts and never answers.
    conn_ = PQconnectStartParams(schluessel, werte, 1);
    const auto bis = Uhr::now() + std::chrono::seconds(netzS_);
    PostgresPollingStatusType stand = PGRES_POLLING_WRITING;
    while (conn_ && PQstatus(conn_) != CONNECTION_BAD && stand != PGRES_POLLING_OK &&
           stand != PGRES_POLLING_FAILED) {
        if (!warte(PQsocket(conn_), stand == PGRES_POLLING_READING ? POLLIN : POLLOUT, bis))
            schweigt();
        stand = PQconnectPoll(conn_);
    }
    if (!conn_ || PQstatus(conn_) != CONNECTION_OK) {
        const QString grund = ersteZeile(PQerrorMessage(conn_));
        trenne();
        throw LaufzeitFehler(bezeichnung_ +
                             QStringLiteral(" ist nicht erreichbar. Bitte prüfen, ob der Server "
                                            "läuft und das Netz verbunden ist. (%1)")
                                 .arg(grund));
    }
    // The encoding travels with the greeting: setting it afterwards would be a query
    // without a deadline.
    PQsetnonblocking(conn_, 1);
    // "already exists" notices when two first starts meet are no news to anyone.
    PQsetNoticeProcessor(
        conn_, [](void*, const char*) {}, nullptr);
}

void PgVerbindung::schweigt() {
    trenne();
    throw LaufzeitFehler(bezeichnung_ + QStringLiteral(" antwortet nicht. Bitte prüfen, ob der "
                                                       "Server läuft und das Netz verbunden ist."));
}

PgVerbindung::Zeilen PgVerbindung::fuehreAus(const char* sql, const QStringList& werte,
                                             int zusatzS) {
    QList<QByteArray> utf8;
    std::vector<const char*> zeiger;
    for (const QString& w : werte)
        utf8.append(w.toUtf8());
    for (const QByteArray& w : utf8)
        zeiger.push_back(w.constData());
    if (!conn_ || !PQsendQueryParams(conn_, sql, int(zeiger.size()), nullptr, zeiger.data(),
                                     nullptr, nullptr, 0))
        fehler(nullptr);
    const auto bis = Uhr::now() + std::chrono::seconds(netzS_ + zusatzS);
    for (int rest = PQflush(conn_); rest != 0; rest = PQflush(conn_)) {
        if (rest < 0)
            fehler(nullptr);
        if (!warte(PQsocket(conn_), POLLOUT, bis))
            schweigt();
    }
    while (PQisBusy(conn_)) {
        if (!warte(PQsocket(conn_), POLLIN, bis))
            schweigt();
        if (!PQconsumeInput(conn_))
            fehler(nullptr);
    }
    // The last result counts; the loop ends at libpq's end marker.
    std::unique_ptr<PGresult, void (*)(PGresult*)> r(nullptr, &PQclear);
    while (PGresult* naechstes = PQgetResult(conn_))
        r.reset(naechstes);
    const ExecStatusType status = PQresultStatus(r.get());
    if (status != PGRES_COMMAND_OK && status != PGRES_TUPLES_OK)
        fehler(r.get());
    Zeilen zeilen;
    for (int i = 0; i < PQntuples(r.get()); ++i) {
        QStringList z;
        for (int j = 0; j < PQnfields(r.get()); ++j)
            z.append(QString::fromUtf8(PQgetvalue(r.get(), i, j)));
        zeilen.append(z);
    }
    return zeilen;
}

void PgVerbindung::fehler(const pg_result* ergebnis) {
    const QByteArray code =
        ergebnis ? QByteArray(PQresultErrorField(ergebnis, PG_DIAG_SQLSTATE)) : QByteArray();
    const QString grund = ersteZeile(ergebnis ? PQresultErrorMessage(ergebnis)
                                     : conn_  ? PQerrorMessage(conn_)
                                              : "");
    QString was;
    if (!conn_ || PQstatus(conn_) == CONNECTION_BAD || code.startsWith("08") ||
        code.startsWith("57P"))
        was = QStringLiteral("hat die Verbindung abgebrochen.");
    else if (erklaere)
        was = erklaere(code);
    if (was.isEmpty())
        was = QStringLiteral("meldet einen Fehler.");
    trenne();
    throw LaufzeitFehler(bezeichnung_ + u' ' + was + QStringLiteral(" (%1)").arg(grund));
}

void PgVerbindung::trenne() {
    // Closing the connection rolls back whatever was still open.
    if (conn_)
        PQfinish(conn_);
    conn_ = nullptr;
}

} // namespace zafku
