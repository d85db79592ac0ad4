#pragma once

#include "MeisterSpeicher.h"

#include <QStringList>

#include <functional>
#include <memory>

struct sqlite3_stmt;

namespace zafku {

class SqliteDatabase;

// The list of one machine: the table "Punkte" in an SQLite file. Each offer runs in one
// immediate transaction, so concurrent games wait for each other up to the busy timeout.
class SqliteMeisterSpeicher : public MeisterSpeicher {
  public:
    explicit SqliteMeisterSpeicher(QString pfad, int wartezeitMs = 10000);
    ~SqliteMeisterSpeicher() override;

    QString bezeichnung() const override;
    void oeffneTabelle(const QString& programm) override;
    int zaehleEintraege(const QString& programm) override;
    std::optional<std::int32_t> kleinstePunkte(const QString& programm) override;
    void fuegeEintragEin(const MeisterEintrag& eintrag) override;
    void loescheEintrag(const QString& programm, std::int32_t punkte) override;
    void schliesseDb() override;
    void verwirf() override;
    QList<MeisterEintrag> oeffneListe(const QString& programm) override;

  private:
    void verbinde();
    // Runs sql with the given values; rows go to zeile when given.
    void fuehreAus(const char* sql, const QVariantList& werte,
                   const std::function<void(sqlite3_stmt*)>& zeile = {});
    [[noreturn]] void fehler(int code) const;
    QStringList fehlendeSpalten() const;

    QString pfad_;
    int wartezeitMs_;
    std::unique_ptr<SqliteDatabase> db_;
};

} // namespace zafku
