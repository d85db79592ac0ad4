#pragma once

#include "MeisterSpeicher.h"

#include <QStringList>

struct pg_conn;
struct pg_result;

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

    QString bezeichnung() const override { return bezeichnung_; }
    void oeffneTabelle(const QString& programm) override;
    int zaehleEintraege(const QString& programm) override;
    std::optional<std::int32_t> kleinstePunkte(const QString& programm) override;
    void fuegeEintragEin(const MeisterEintrag& eintrag) override;
    void loescheEintrag(const QString& programm, std::int32_t punkte) override;
    void schliesseDb() override;
    void verwirf() override;
    QList<MeisterEintrag> oeffneListe(const QString& programm) override;

  private:
    struct Ergebnis;
    void verbinde();
    bool hatTabelle();
    Ergebnis fuehreAus(const char* sql, const QStringList& werte = {});
    [[noreturn]] void fehler(const pg_result* ergebnis);
    [[noreturn]] void schweigt();

    QByteArray verbindung_;
    QString bezeichnung_;
    QString konfigFehler_;
    int wartezeitS_;
    int netzS_;
    pg_conn* conn_ = nullptr;
};

} // namespace zafku
