#include "PgKarteiSpeicher.h"

#include "platform/LaufzeitFehler.h"

#include <libpq-fe.h>

#include <memory>
#include <vector>

namespace zafku::kartei {

namespace {

QString ersteZeile(const char* text) {
    return QString::fromUtf8(text).trimmed().section(u'\n', 0, 0).trimmed();
}

} // namespace

PgKarteiSpeicher::PgKarteiSpeicher(const QString& verbindung, int wartezeitS)
    : verbindung_(verbindung.toUtf8()), wartezeitS_(wartezeitS) {}

PgKarteiSpeicher::~PgKarteiSpeicher() {
    verwirf();
}

QString PgKarteiSpeicher::bezeichnung() const {
    return QStringLiteral("Die Wortkartei auf dem Meisterlisten-Server");
}

void PgKarteiSpeicher::verbinde() {
    verwirf();
    // The host's connection string overrides these; an unreachable server must not hold
    // up the start window for minutes.
    const char* schluessel[] = {"connect_timeout", "application_name", "dbname", nullptr};
    const char* werte[] = {"10", "Zafku", verbindung_.constData(), nullptr};
    conn_ = PQconnectdbParams(schluessel, werte, 1);
    if (PQstatus(conn_) != CONNECTION_OK) {
        const QString grund = ersteZeile(PQerrorMessage(conn_));
        verwirf();
        throw LaufzeitFehler(bezeichnung() +
                             QStringLiteral(" ist nicht erreichbar. Bitte prüfen, ob der Server "
                                            "läuft und das Netz verbunden ist. (%1)")
                                 .arg(grund));
    }
    PQsetClientEncoding(conn_, "UTF8");
    // "already exists" notices when two first starts meet are no news to anyone.
    PQsetNoticeProcessor(
        conn_, [](void*, const char*) {}, nullptr);
}

SqlKarteiSpeicher::Zeilen PgKarteiSpeicher::fuehreAus(const char* sql, const QStringList& werte) {
    QList<QByteArray> utf8;
    std::vector<const char*> zeiger;
    for (const QString& w : werte)
        utf8.append(w.toUtf8());
    for (const QByteArray& w : utf8)
        zeiger.push_back(w.constData());
    std::unique_ptr<PGresult, void (*)(PGresult*)> r(
        PQexecParams(conn_, sql, int(zeiger.size()), nullptr, zeiger.data(), nullptr, nullptr, 0),
        &PQclear);
    const ExecStatusType status = PQresultStatus(r.get());
    if (status != PGRES_COMMAND_OK && status != PGRES_TUPLES_OK) {
        const QString grund = ersteZeile(r ? PQresultErrorMessage(r.get()) : PQerrorMessage(conn_));
        verwirf();
        throw LaufzeitFehler(bezeichnung() +
                             QStringLiteral(" meldet einen Fehler. (%1)").arg(grund));
    }
    Zeilen zeilen;
    for (int i = 0; i < PQntuples(r.get()); ++i) {
        QStringList z;
        for (int j = 0; j < PQnfields(r.get()); ++j)
            z.append(QString::fromUtf8(PQgetvalue(r.get(), i, j)));
        zeilen.append(z);
    }
    return zeilen;
}

void PgKarteiSpeicher::legeTabellenAn(const QStringList& anweisungen) {
    if (hatTabellen())
        return;
    // Two first starts at once would both create the tables.
    fuehreAus("BEGIN");
    fuehreAus("SELECT pg_advisory_xact_lock(hashtext('Kartei'))");
    for (const QString& sql : anweisungen)
        fuehreAus(sql.toUtf8().constData());
    fuehreAus("COMMIT");
}

void PgKarteiSpeicher::sperre(const QString& datei) {
    fuehreAus("BEGIN");
    const QByteArray warten = "SET LOCAL lock_timeout = '" + QByteArray::number(wartezeitS_) + "s'";
    fuehreAus(warten.constData());
    fuehreAus("SELECT pg_advisory_xact_lock(hashtext('Kartei'), hashtext($1))", {datei});
}

void PgKarteiSpeicher::schliesse() {
    fuehreAus("COMMIT");
    verwirf();
}

bool PgKarteiSpeicher::hatTabellen() {
    return fuehreAus("SELECT to_regclass('lesungen') IS NOT NULL")[0][0] == QLatin1String("t");
}

void PgKarteiSpeicher::verwirf() {
    // Closing the connection rolls back whatever was still open.
    if (conn_)
        PQfinish(conn_);
    conn_ = nullptr;
}

} // namespace zafku::kartei
