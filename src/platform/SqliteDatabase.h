#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>

#include <chrono>
#include <memory>

struct sqlite3;
struct sqlite3_stmt;

namespace zafku {

class SqliteDatabase;

// One prepared statement; errors raise LaufzeitFehler naming the database file.
class SqliteStatement {
  public:
    SqliteStatement(const SqliteDatabase& db, sqlite3_stmt* stmt);
    SqliteStatement(SqliteStatement&&) noexcept = default;
    ~SqliteStatement();

    // A statement that runs a criterion of the host's: errors and time-outs name it.
    void setKriterium(const QString& kriterium, const QString& tabelle);

    void bind(int index, const QVariant& wert);
    // Next result row; false when there is none.
    bool step();
    void reset();
    int columnCount() const;
    QString columnName(int i) const;
    // Null is a null QVariant.
    QVariant value(int i) const;
    qint64 int64(int i) const;

  private:
    const SqliteDatabase* db_;
    QString kriterium_;
    QString tabelle_;
    std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)> stmt_;
};

// An SQLite file. Opened for reading it holds one read transaction for its lifetime,
// which makes each lookup about twenty times cheaper.
class SqliteDatabase {
  public:
    // Unveraenderlich: a file nobody changes while the game runs, read without locks,
    // journals or shared-memory files, so nothing is ever written beside it.
    enum class Zugriff { Lesen, Unveraenderlich, Schreiben };

    // Raises LaufzeitFehler with a German text when the file is missing, is an Access
    // database or is no SQLite database. Schreiben creates the file when it is missing.
    explicit SqliteDatabase(const QString& pfad, Zugriff zugriff = Zugriff::Lesen);
    ~SqliteDatabase();
    SqliteDatabase(const SqliteDatabase&) = delete;
    SqliteDatabase& operator=(const SqliteDatabase&) = delete;

    const QString& pfad() const { return pfad_; }
    sqlite3* handle() const { return db_; }

    // Exactly one statement; trailing text after it is an error.
    SqliteStatement prepare(const QString& sql) const;
    void exec(const QString& sql) const;
    bool hatTabelle(const QString& name) const;
    // Column names of a table as stored, in order.
    QStringList spalten(const QString& tabelle) const;

    // Longest time one step of a statement may run before it is broken off; a criterion
    // of the host's could otherwise run for ever.
    void setZeitLimit(std::chrono::milliseconds limit) { zeitLimit_ = limit; }
    std::chrono::milliseconds zeitLimit() const { return zeitLimit_; }

    // The German text for the last error of this connection, naming the file.
    [[noreturn]] void fehler(const QString& was) const;
    // What the last error of this connection means, in plain German.
    QString fehlerGrund() const;

  private:
    friend class SqliteStatement;
    static int fortschritt(void* db);
    void starteFrist() const;

    QString pfad_;
    sqlite3* db_ = nullptr;
    std::chrono::milliseconds zeitLimit_{5000};
    mutable std::chrono::steady_clock::time_point frist_ =
        std::chrono::steady_clock::time_point::max();
};

} // namespace zafku
