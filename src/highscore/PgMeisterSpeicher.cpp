#include "PgMeisterSpeicher.h"

#include "platform/LaufzeitFehler.h"

#include <libpq-fe.h>

#include <cerrno>
#include <chrono>
#include <cstdint>
#include <memory>
#include <poll.h>
#include <vector>

namespace zafku {

struct PgMeisterSpeicher::Ergebnis {
    std::unique_ptr<PGresult, void (*)(PGresult*)> r{nullptr, &PQclear};
    int zeilen() const { return PQntuples(r.get()); }
    QString text(int zeile, int spalte) const {
        return QString::fromUtf8(PQgetvalue(r.get(), zeile, spalte));
    }
    bool leer(int zeile, int spalte) const { return PQgetisnull(r.get(), zeile, spalte); }
};

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

PgMeisterSpeicher::PgMeisterSpeicher(const QString& verbindung, int wartezeitS, int netzS)
    : verbindung_(verbindung.toUtf8()), wartezeitS_(wartezeitS), netzS_(netzS) {
    bezeichnung_ = QStringLiteral("Der Meisterlisten-Server");
    char* parseFehler = nullptr;
    PQconninfoOption* optionen = PQconninfoParse(verbindung_.constData(), &parseFehler);
    if (!optionen) {
        // libpq's text may quote the string, and with it a password: leave it out.
        PQfreemem(parseFehler);
        konfigFehler_ =
            bezeichnung_ + QStringLiteral(" ist in Vokra.ini falsch angegeben: Der Eintrag "
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
            konfigFehler_ = QStringLiteral(
                "Das Kennwort für den Meisterlisten-Server darf nicht in Vokra.ini stehen. "
                "Bitte eine Kennwortdatei (.pgpass) auf dem Rechner benutzen.");
    PQconninfoFree(optionen);
    if (!teile.isEmpty())
        bezeichnung_ += QStringLiteral(" (") + teile.join(u' ') + u')';
}

PgMeisterSpeicher::~PgMeisterSpeicher() {
    verwirf();
}

void PgMeisterSpeicher::verbinde() {
    verwirf();
    if (!konfigFehler_.isEmpty())
        throw LaufzeitFehler(konfigFehler_);
    // Defaults first: the host's connection string overrides them. A server that cannot
    // be reached must not hold up the end of the game for minutes.
    const char* schluessel[] = {"connect_timeout",  "keepalives_idle",  "keepalives_interval",
                                "keepalives_count", "tcp_user_timeout", "application_name",
                                "dbname",           "client_encoding",  nullptr};
    const QByteArray tcpWarten = QByteArray::number(wartezeitS_ * 1000);
    const QByteArray verbindenS = QByteArray::number(netzS_);
    const char* werte[] = {
        verbindenS.constData(),  "5",    "2",    "3", tcpWarten.constData(), "Zafku",
        verbindung_.constData(), "UTF8", nullptr};
    // Polled against a deadline of our own: a server that accepts and then stays silent
    // would hold a blocking connect for good.
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
        verwirf();
        throw LaufzeitFehler(bezeichnung_ +
                             QStringLiteral(" ist nicht erreichbar. Bitte prüfen, ob der Server "
                                            "läuft und das Netz verbunden ist. (%1)")
                                 .arg(grund));
    }
    // The encoding travels with the greeting: setting it afterwards would be a query
    // without a deadline.
    PQsetnonblocking(conn_, 1);
}

void PgMeisterSpeicher::schweigt() {
    verwirf();
    throw LaufzeitFehler(bezeichnung_ + QStringLiteral(" antwortet nicht. Bitte prüfen, ob der "
                                                       "Server läuft und das Netz verbunden ist."));
}

PgMeisterSpeicher::Ergebnis PgMeisterSpeicher::fuehreAus(const char* sql,
                                                         const QStringList& werte) {
    QList<QByteArray> utf8;
    std::vector<const char*> zeiger;
    for (const QString& w : werte)
        utf8.append(w.toUtf8());
    for (const QByteArray& w : utf8)
        zeiger.push_back(w.constData());
    Ergebnis e;
    if (!PQsendQueryParams(conn_, sql, int(zeiger.size()), nullptr, zeiger.data(), nullptr, nullptr,
                           0))
        fehler(nullptr);
    // A lock held by another game may keep the server busy up to the wait it was given.
    const auto bis = Uhr::now() + std::chrono::seconds(wartezeitS_ + netzS_);
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
    while (PGresult* r = PQgetResult(conn_))
        e.r.reset(r);
    const ExecStatusType status = PQresultStatus(e.r.get());
    if (status != PGRES_COMMAND_OK && status != PGRES_TUPLES_OK)
        fehler(e.r.get());
    return e;
}

void PgMeisterSpeicher::fehler(const pg_result* ergebnis) {
    const QByteArray code =
        ergebnis ? QByteArray(PQresultErrorField(ergebnis, PG_DIAG_SQLSTATE)) : QByteArray();
    const QString grund =
        ersteZeile(ergebnis ? PQresultErrorMessage(ergebnis) : PQerrorMessage(conn_));
    QString was;
    if (PQstatus(conn_) == CONNECTION_BAD || code.startsWith("08") || code.startsWith("57P"))
        was = QStringLiteral("hat die Verbindung abgebrochen.");
    else if (code == "55P03")
        was = QStringLiteral("ist gesperrt: Ein anderes Spiel trägt gerade seit über %1 "
                             "Sekunden Punkte ein.")
                  .arg(wartezeitS_);
    else if (code == "42501")
        was = QStringLiteral("erlaubt Zafku nicht, die Tabelle Punkte anzulegen, zu lesen "
                             "oder zu schreiben.");
    else if (code == "42703" || code == "42804")
        was = QStringLiteral("hat eine Tabelle Punkte ohne die Spalten Programm, Name, Datum "
                             "und Punkte.");
    else
        was = QStringLiteral("meldet einen Fehler.");
    verwirf();
    throw LaufzeitFehler(bezeichnung_ + u' ' + was + QStringLiteral(" (%1)").arg(grund));
}

bool PgMeisterSpeicher::hatTabelle() {
    return fuehreAus("SELECT to_regclass('punkte') IS NOT NULL").text(0, 0) == QLatin1String("t");
}

void PgMeisterSpeicher::oeffneTabelle(const QString& programm) {
    verbinde();
    fuehreAus("BEGIN");
    const QByteArray warten = "SET LOCAL lock_timeout = '" + QByteArray::number(wartezeitS_) + "s'";
    fuehreAus(warten.constData());
    // Other games' offers need not wait for ours: the lock is per game name.
    fuehreAus("SELECT pg_advisory_xact_lock(hashtext('Punkte'), hashtext($1))", {programm});
    if (!hatTabelle())
        fuehreAus("CREATE TABLE Punkte (Programm text, Name text, Datum text, Punkte integer)");
}

int PgMeisterSpeicher::zaehleEintraege(const QString& programm) {
    return fuehreAus("SELECT count(*) FROM Punkte WHERE Programm = $1", {programm})
        .text(0, 0)
        .toInt();
}

std::optional<std::int32_t> PgMeisterSpeicher::kleinstePunkte(const QString& programm) {
    const Ergebnis e = fuehreAus("SELECT min(Punkte) FROM Punkte WHERE Programm = $1", {programm});
    if (e.leer(0, 0))
        return std::nullopt;
    return e.text(0, 0).toInt();
}

void PgMeisterSpeicher::fuegeEintragEin(const MeisterEintrag& e) {
    fuehreAus("INSERT INTO Punkte (Name, Programm, Datum, Punkte) VALUES ($1, $2, $3, $4)",
              {e.name, e.programm, e.datum, QString::number(e.punkte)});
}

void PgMeisterSpeicher::loescheEintrag(const QString& programm, std::int32_t punkte) {
    fuehreAus("DELETE FROM Punkte WHERE ctid = (SELECT ctid FROM Punkte WHERE Programm = $1 "
              "AND Punkte = $2 LIMIT 1)",
              {programm, QString::number(punkte)});
}

void PgMeisterSpeicher::schliesseDb() {
    fuehreAus("COMMIT");
    PQfinish(conn_);
    conn_ = nullptr;
}

void PgMeisterSpeicher::verwirf() {
    // Closing the connection rolls back whatever was still open.
    if (conn_)
        PQfinish(conn_);
    conn_ = nullptr;
}

QList<MeisterEintrag> PgMeisterSpeicher::oeffneListe(const QString& programm) {
    verbinde();
    QList<MeisterEintrag> zeilen;
    if (hatTabelle()) {
        const Ergebnis e = fuehreAus("SELECT Name, Programm, Datum, Punkte FROM Punkte "
                                     "WHERE Programm = $1 ORDER BY Punkte DESC",
                                     {programm});
        for (int i = 0; i < e.zeilen(); ++i)
            zeilen.append({e.text(i, 0), e.text(i, 1), e.text(i, 2), e.text(i, 3).toInt()});
    }
    verwirf();
    return zeilen;
}

} // namespace zafku
