#pragma once

#include "SqliteDatabase.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <limits>
#include <optional>

namespace zafku {

// A table walked in rowid order with find-first / find-next on a criteria text, the way
// the game's data controls reach their tables. A find that fails leaves the current
// record where it was and sets noMatch().
class SqliteRecordSet {
  public:
    static constexpr qint64 keinSatz = std::numeric_limits<qint64>::min();

    // Raises LaufzeitFehler when the table or one of the fields does not exist.
    SqliteRecordSet(const SqliteDatabase& db, const QString& tabelle,
                    const QStringList& felder = {});

    const QString& tabelle() const { return tabelle_; }
    const QString& datei() const { return db_.pfad(); }

    // The criterion must be one SQL expression over the table's columns.
    void findFirst(const QString& kriterium);
    void findNext(const QString& kriterium);
    // The same for the criterion feld = wert, without building a criteria text.
    void findFirst(const QString& feld, const QVariant& wert);
    void findNext(const QString& feld, const QVariant& wert);
    bool noMatch() const { return noMatch_; }

    // Makes the record with this rowid current; false (and unchanged) when there is none.
    bool moveTo(qint64 rowid);
    // keinSatz before the first successful find.
    qint64 rowid() const { return rowid_; }

    // A field of the current record by name (letter case ignored); Null is a null
    // QVariant. An unknown field or no current record raises LaufzeitFehler.
    QVariant field(const QString& name);

    // All records meeting the criterion, in rowid order, with the given columns.
    SqliteStatement select(const QString& spalten, const QString& kriterium) const;

  private:
    QString bedingung(const QString& kriterium) const;
    QString findSql(const QString& bedingung) const;
    void ladeSatz();
    bool moveToGeladen();
    void find(const QString& sql, qint64 nach, const std::optional<QVariant>& wert,
              const QString& kriterium);
    // Errors name the criterion when there is one.
    SqliteStatement bereite(const QString& sql, const QString& kriterium) const;
    SqliteStatement& statement(const QString& sql, const QString& kriterium);

    const SqliteDatabase& db_;
    QString tabelle_;
    qint64 rowid_ = keinSatz;
    bool noMatch_ = false;
    // A few recent statements: finds alternate between at most a handful of criteria.
    QList<QPair<QString, std::shared_ptr<SqliteStatement>>> cache_;
    std::optional<SqliteStatement> satzAbfrage_;
    QHash<QString, QVariant> satz_;
    bool satzGeladen_ = false;
};

// Rejects a criterion that is more than one expression: unbalanced brackets, a ";" or a
// comment outside quotes could close the WHERE clause early and append other clauses, and
// a parameter (SQLite also reads "#name" as one) would take the values bound for the find
// itself.
bool istEinAusdruck(const QString& kriterium);

} // namespace zafku
