#pragma once

#include "SqlKarteiSpeicher.h"

#include <memory>

namespace zafku {
class SqliteDatabase;
}

namespace zafku::kartei {

// The boxes of one host folder in an SQLite file under User/. Each update runs in one
// immediate transaction, so processes updating at once wait for each other.
class SqliteKarteiSpeicher : public SqlKarteiSpeicher {
  public:
    explicit SqliteKarteiSpeicher(QString pfad, int wartezeitMs = 20000);
    ~SqliteKarteiSpeicher() override;

    QString bezeichnung() const override;
    void verwirf() override;
    QMap<QString, KindKartei> alle() override;

  protected:
    void verbinde() override;
    void legeTabellenAn(const QStringList& anweisungen) override;
    void sperre(const QString& datei) override;
    Zeilen fuehreAus(const char* sql, const QStringList& werte = {}) override;
    void schliesse() override;
    bool hatTabellen() override;

  private:
    QString pfad_;
    int wartezeitMs_;
    std::unique_ptr<SqliteDatabase> db_;
};

} // namespace zafku::kartei
