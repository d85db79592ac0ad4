#pragma once

#include "SqlKarteiSpeicher.h"

struct pg_conn;

namespace zafku::kartei {

// The boxes of a classroom on the PostgreSQL server that the high-score list uses. Updates
// of one child are serialised by a transaction-scoped advisory lock; passwords come from
// libpq's own means.
class PgKarteiSpeicher : public SqlKarteiSpeicher {
  public:
    explicit PgKarteiSpeicher(const QString& verbindung, int wartezeitS = 20);
    ~PgKarteiSpeicher() override;

    QString bezeichnung() const override;
    void verwirf() override;

  protected:
    void verbinde() override;
    void legeTabellenAn(const QStringList& anweisungen) override;
    void sperre(const QString& datei) override;
    Zeilen fuehreAus(const char* sql, const QStringList& werte = {}) override;
    void schliesse() override;
    bool hatTabellen() override;

  private:
    QByteArray verbindung_;
    int wartezeitS_;
    pg_conn* conn_ = nullptr;
};

} // namespace zafku::kartei
