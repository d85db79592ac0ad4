#pragma once

#include <QByteArray>
#include <QList>
#include <QStringList>

#include <functional>

struct pg_conn;
struct pg_result;

namespace zafku {

// One connection to the school's PostgreSQL server, with a deadline on the connect and on
// every statement: a server that accepts and then stays silent must not hold up a child.
// Messages name the server by host, port, database and user, never by its password, which
// comes from libpq's own means. Every failure closes the connection (rolling back what was
// open) and raises LaufzeitFehler.
class PgVerbindung {
  public:
    using Zeilen = QList<QStringList>;

    // wer: how messages name the server ("Der Meisterlisten-Server"); netzS bounds every
    // wait on the network.
    PgVerbindung(const QString& verbindung, const QString& wer, int netzS = 5);
    ~PgVerbindung();
    PgVerbindung(const PgVerbindung&) = delete;
    PgVerbindung& operator=(const PgVerbindung&) = delete;

    // wer, followed by the server's connection details in brackets.
    const QString& bezeichnung() const { return bezeichnung_; }
    // tcpWartenS: how long the kernel may hold unanswered data before giving up.
    void verbinde(int tcpWartenS);
    // One statement with text values for $1, $2 …; NULL reads as "". zusatzS widens the
    // deadline for a statement that may wait for a lock.
    Zeilen fuehreAus(const char* sql, const QStringList& werte = {}, int zusatzS = 0);
    void trenne();

    // The German text for a server error by its SQLSTATE; empty for the general one.
    std::function<QString(const QByteArray& code)> erklaere;

  private:
    [[noreturn]] void fehler(const pg_result* ergebnis);
    [[noreturn]] void schweigt();

    QByteArray verbindung_;
    QString bezeichnung_;
    QString konfigFehler_;
    int netzS_;
    pg_conn* conn_ = nullptr;
};

} // namespace zafku
