#include "SqliteDatabase.h"

#include "LaufzeitFehler.h"

#include <QFile>
#include <QFileInfo>

#include <sqlite3.h>

namespace zafku {

namespace {

[[noreturn]] void wirf(const QString& text) {
    throw LaufzeitFehler(text);
}

// The old host's databases: a Jet (Access 97/2000) or ACE (Access 2007+) file.
bool istAccessDatei(const QByteArray& kopf) {
    return kopf.startsWith(QByteArray("\0\x01\0\0Standard Jet DB", 19)) ||
           kopf.startsWith(QByteArray("\0\x01\0\0Standard ACE DB", 19));
}

void pruefeKopf(const QString& pfad) {
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly))
        wirf(QStringLiteral("Die Datenbank %1 kann nicht geöffnet werden: Die Datei fehlt "
                            "oder ist nicht lesbar.")
                 .arg(pfad));
    const QByteArray kopf = datei.read(32);
    if (istAccessDatei(kopf))
        wirf(QStringLiteral("Die Datenbank %1 ist eine Access-Datenbank im alten Format. "
                            "Zafku kann nur SQLite-Datenbanken lesen; bitte die Datenbank "
                            "in eine SQLite-Datei umwandeln.")
                 .arg(pfad));
    if (!kopf.startsWith(QByteArray("SQLite format 3\0", 16)))
        wirf(QStringLiteral("Die Datei %1 ist keine SQLite-Datenbank.").arg(pfad));
}

} // namespace

SqliteStatement::SqliteStatement(const SqliteDatabase& db, sqlite3_stmt* stmt)
    : db_(&db), stmt_(stmt, &sqlite3_finalize) {}

SqliteStatement::~SqliteStatement() = default;

void SqliteStatement::bind(int index, const QVariant& wert) {
    int rc = SQLITE_OK;
    if (wert.isNull()) {
        rc = sqlite3_bind_null(stmt_.get(), index);
    } else if (wert.typeId() == QMetaType::QString) {
        const QByteArray utf8 = wert.toString().toUtf8();
        rc = sqlite3_bind_text(stmt_.get(), index, utf8.constData(), int(utf8.size()),
                               SQLITE_TRANSIENT);
    } else if (wert.typeId() == QMetaType::Double) {
        rc = sqlite3_bind_double(stmt_.get(), index, wert.toDouble());
    } else {
        rc = sqlite3_bind_int64(stmt_.get(), index, wert.toLongLong());
    }
    if (rc != SQLITE_OK)
        db_->fehler(QStringLiteral("Ein Wert kann nicht übergeben werden"));
}

bool SqliteStatement::step() {
    const int rc = sqlite3_step(stmt_.get());
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    const QString sql = QString::fromUtf8(sqlite3_sql(stmt_.get()));
    db_->fehler(QStringLiteral("Die Abfrage »%1« ist fehlgeschlagen").arg(sql));
}

void SqliteStatement::reset() {
    sqlite3_reset(stmt_.get());
    sqlite3_clear_bindings(stmt_.get());
}

int SqliteStatement::columnCount() const {
    return sqlite3_column_count(stmt_.get());
}

QString SqliteStatement::columnName(int i) const {
    return QString::fromUtf8(sqlite3_column_name(stmt_.get(), i));
}

QVariant SqliteStatement::value(int i) const {
    sqlite3_stmt* s = stmt_.get();
    switch (sqlite3_column_type(s, i)) {
    case SQLITE_INTEGER:
        return QVariant(qint64(sqlite3_column_int64(s, i)));
    case SQLITE_FLOAT:
        return QVariant(sqlite3_column_double(s, i));
    case SQLITE_TEXT:
        return QVariant(QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(s, i)),
                                          sqlite3_column_bytes(s, i)));
    case SQLITE_BLOB:
        return QVariant(QByteArray(static_cast<const char*>(sqlite3_column_blob(s, i)),
                                   sqlite3_column_bytes(s, i)));
    default:
        return QVariant();
    }
}

qint64 SqliteStatement::int64(int i) const {
    return sqlite3_column_int64(stmt_.get(), i);
}

SqliteDatabase::SqliteDatabase(const QString& pfad, Zugriff zugriff) : pfad_(pfad) {
    const bool lesen = zugriff == Zugriff::Lesen;
    if (lesen || (QFileInfo::exists(pfad) && QFileInfo(pfad).size() > 0))
        pruefeKopf(pfad);
    const int flags = lesen ? SQLITE_OPEN_READONLY : (SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
    if (sqlite3_open_v2(QFile::encodeName(pfad).constData(), &db_, flags, nullptr) != SQLITE_OK) {
        const QString grund = QString::fromUtf8(sqlite3_errmsg(db_));
        sqlite3_close(db_);
        db_ = nullptr;
        wirf(QStringLiteral("Die Datenbank %1 kann nicht geöffnet werden: %2").arg(pfad, grund));
    }
    if (lesen) {
        try {
            exec(QStringLiteral("BEGIN"));
            // A deferred transaction takes its read lock with the first read.
            SqliteStatement s = prepare(QStringLiteral("SELECT count(*) FROM sqlite_master"));
            s.step();
        } catch (...) {
            sqlite3_close(db_);
            throw;
        }
    }
}

SqliteDatabase::~SqliteDatabase() {
    sqlite3_close_v2(db_);
}

SqliteStatement SqliteDatabase::prepare(const QString& sql) const {
    const QByteArray utf8 = sql.toUtf8();
    sqlite3_stmt* stmt = nullptr;
    const char* rest = nullptr;
    if (sqlite3_prepare_v2(db_, utf8.constData(), int(utf8.size()) + 1, &stmt, &rest) != SQLITE_OK)
        fehler(QStringLiteral("Die Abfrage »%1« ist ungültig").arg(sql));
    SqliteStatement result(*this, stmt);
    if (stmt == nullptr || (rest && !QByteArray(rest).trimmed().isEmpty()))
        wirf(QStringLiteral("Die Abfrage »%1« an die Datenbank %2 ist nicht genau eine "
                            "Anweisung.")
                 .arg(sql, pfad_));
    return result;
}

void SqliteDatabase::exec(const QString& sql) const {
    SqliteStatement s = prepare(sql);
    while (s.step()) {
    }
}

bool SqliteDatabase::hatTabelle(const QString& name) const {
    SqliteStatement s = prepare(QStringLiteral(
        "SELECT 1 FROM sqlite_master WHERE type='table' AND name=?1 COLLATE NOCASE"));
    s.bind(1, name);
    return s.step();
}

void SqliteDatabase::fehler(const QString& was) const {
    wirf(QStringLiteral("%1 (Datenbank %2): %3")
             .arg(was, pfad_, QString::fromUtf8(sqlite3_errmsg(db_))));
}

} // namespace zafku
