#pragma once

#include "SqlKarteiSpeicher.h"
#include "platform/PgVerbindung.h"

namespace zafku::kartei {

// The boxes of a classroom on the PostgreSQL server that the high-score list uses. Updates
// of one child are serialised by a transaction-scoped advisory lock; passwords come from
// libpq's own means.
class PgKarteiSpeicher : public SqlKarteiSpeicher {
  public:
    // wartezeitS bounds the wait for another machine updating the same child, netzS every
    // wait on the network beyond that.
    explicit PgKarteiSpeicher(const QString& verbindung, int wartezeitS = 20, int netzS = 5);

    QString bezeichnung() const override { return pg_.bezeichnung(); }
    void verwirf() override { pg_.trenne(); }

  protected:
    void verbinde() override { pg_.verbinde(wartezeitS_); }
    void legeTabellenAn(const QStringList& anweisungen) override;
    void sperre(const QString& datei) override;
    Zeilen fuehreAus(const char* sql, const QStringList& werte = {}) override {
        return pg_.fuehreAus(sql, werte, wartezeitS_);
    }
    void schliesse() override;
    bool hatTabellen() override;

  private:
    int wartezeitS_;
    PgVerbindung pg_;
};

} // namespace zafku::kartei
