#pragma once

#include "MeisterSpeicher.h"
#include "platform/PgVerbindung.h"

namespace zafku {

// The list of a classroom: the table "Punkte" on a PostgreSQL server, reached with a libpq
// connection string. Offers of the same game are serialised by a transaction-scoped
// advisory lock, so twenty games ending at once count and replace rows one after another.
// Passwords come from libpq's own means (password file, environment), never from here.
class PgMeisterSpeicher : public MeisterSpeicher {
  public:
    // wartezeitS bounds the wait for another game's entries, netzS every wait on the
    // network beyond that.
    explicit PgMeisterSpeicher(const QString& verbindung, int wartezeitS = 15, int netzS = 5);
    ~PgMeisterSpeicher() override;

    QString bezeichnung() const override { return pg_.bezeichnung(); }
    void oeffneTabelle(const QString& programm) override;
    int zaehleEintraege(const QString& programm) override;
    std::optional<std::int32_t> kleinstePunkte(const QString& programm) override;
    void fuegeEintragEin(const MeisterEintrag& eintrag) override;
    void loescheEintrag(const QString& programm, std::int32_t punkte) override;
    void schliesseDb() override;
    void verwirf() override;
    QList<MeisterEintrag> oeffneListe(const QString& programm) override;

  private:
    bool hatTabelle();
    // A lock held by another game may keep the server busy up to the wait it was given.
    PgVerbindung::Zeilen fuehreAus(const char* sql, const QStringList& werte = {}) {
        return pg_.fuehreAus(sql, werte, wartezeitS_);
    }

    int wartezeitS_;
    PgVerbindung pg_;
};

} // namespace zafku
