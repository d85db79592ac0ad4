#pragma once

#include "KarteiSpeicher.h"

#include <QStringList>

namespace zafku::kartei {

// The tables and queries, the same in SQLite and PostgreSQL; a subclass runs one statement
// with text values ($1, $2 … in order) and returns the rows as text.
class SqlKarteiSpeicher : public KarteiSpeicher {
  public:
    KindKartei beginne(const QString& datei) override;
    void speichere(const QString& datei, const KindKartei& kartei) override;
    QMap<QString, KindKartei> alle() override;

  protected:
    using Zeilen = QList<QStringList>;
    virtual void verbinde() = 0;
    // Creates the tables when missing, in a transaction of its own.
    virtual void legeTabellenAn(const QStringList& anweisungen) = 0;
    // Starts the transaction that holds datei's box.
    virtual void sperre(const QString& datei) = 0;
    virtual Zeilen fuehreAus(const char* sql, const QStringList& werte = {}) = 0;
    virtual void schliesse() = 0; // commits and disconnects
    virtual bool hatTabellen() = 0;

  private:
    // Reads the rows of one file, or of all files when datei is null.
    QMap<QString, KindKartei> lies(const QString& datei);
};

} // namespace zafku::kartei
