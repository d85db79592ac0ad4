#include "SqliteDatabase.h"

#include "LaufzeitFehler.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cctype>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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
    // Non-blocking, so that a FIFO in the database's place cannot stall the start.
    const int fd = ::open(QFile::encodeName(pfad).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        wirf(QStringLiteral("Die Datenbank %1 kann nicht geöffnet werden: Die Datei fehlt "
                            "oder ist nicht lesbar.")
                 .arg(pfad));
    struct stat info {};
    QByteArray kopf(32, '\0');
    const bool datei = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    const ssize_t gelesen = datei ? ::read(fd, kopf.data(), size_t(kopf.size())) : 0;
    ::close(fd);
    if (!datei)
        wirf(QStringLiteral("Die Datenbank %1 kann nicht geöffnet werden: Sie ist keine "
                            "gewöhnliche Datei.")
                 .arg(pfad));
    kopf.truncate(std::max<qsizetype>(gelesen, 0));
    if (istAccessDatei(kopf))
        wirf(QStringLiteral("Die Datenbank %1 ist eine Access-Datenbank im alten Format. "
                            "Zafku kann nur SQLite-Datenbanken lesen; bitte die Datenbank "
                            "in eine SQLite-Datei umwandeln.")
                 .arg(pfad));
    if (!kopf.startsWith(QByteArray("SQLite format 3\0", 16)))
        wirf(QStringLiteral("Die Datei %1 ist keine SQLite-Datenbank.").arg(pfad));
}

// A file URI for SQLite: every byte that could end or escape the path is encoded.
QByteArray dateiUri(const QString& pfad) {
    const QByteArray roh = QFile::encodeName(pfad);
    QByteArray uri = roh.startsWith('/') ? "file://" : "file:";
    for (const char c : roh) {
        const auto b = static_cast<unsigned char>(c);
        if (std::isalnum(b) || c == '/' || c == '-' || c == '_' || c == '.' || c == '~')
            uri += c;
        else
            uri += '%' + QByteArray::number(b, 16).rightJustified(2, '0');
    }
    return uri + "?immutable=1";
}

// SQLite's own words for a faulty expression, said in German.
QString ausdrucksFehler(const QString& meldung) {
    static const struct {
        const char* anfang;
        const char* text;
    } muster[] = {
        {"no such column: ", "Das Feld %1 gibt es nicht."},
        {"no such function: ", "Die Funktion %1 gibt es nicht."},
        {"no such table: ", "Die Tabelle %1 gibt es nicht."},
        {"near ", "Bei %1 ist ein Schreibfehler."},
        {"ambiguous column name: ", "Der Feldname %1 ist nicht eindeutig."},
        {"wrong number of arguments to function ", "Die Funktion %1 hat eine falsche Zahl von "
                                                   "Argumenten."},
    };
    for (const auto& m : muster) {
        if (meldung.startsWith(QLatin1String(m.anfang))) {
            QString wort = meldung.mid(qsizetype(qstrlen(m.anfang)));
            wort = wort.left(wort.indexOf(QLatin1String(": syntax error"))).remove(u'"');
            return QString::fromUtf8(m.text).arg(u'»' + wort.remove(QLatin1String("()")) + u'«');
        }
    }
    return QStringLiteral("Der Ausdruck lässt sich nicht auswerten.");
}

} // namespace

SqliteStatement::SqliteStatement(const SqliteDatabase& db, sqlite3_stmt* stmt)
    : db_(&db), stmt_(stmt, &sqlite3_finalize) {}

SqliteStatement::~SqliteStatement() = default;

void SqliteStatement::setKriterium(const QString& kriterium, const QString& tabelle) {
    kriterium_ = kriterium;
    tabelle_ = tabelle;
}

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
    db_->starteFrist();
    const int rc = sqlite3_step(stmt_.get());
    db_->frist_ = std::chrono::steady_clock::time_point::max();
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    const double sekunden = double(db_->zeitLimit().count()) / 1000.0;
    if (rc == SQLITE_INTERRUPT && !kriterium_.isEmpty())
        wirf(QStringLiteral("Das Suchkriterium »%1« für die Tabelle %2 der Datenbank %3 braucht "
                            "zu lange: Die Suche wurde nach %4 Sekunden abgebrochen.")
                 .arg(kriterium_, tabelle_, db_->pfad())
                 .arg(sekunden));
    if (rc == SQLITE_INTERRUPT)
        wirf(QStringLiteral("Eine Suche in der Datenbank %1 braucht zu lange und wurde nach %2 "
                            "Sekunden abgebrochen.")
                 .arg(db_->pfad())
                 .arg(sekunden));
    // A damaged file is the file's fault, not the criterion's.
    if (!kriterium_.isEmpty() && rc == SQLITE_ERROR)
        db_->fehler(QStringLiteral("Die Suche mit dem Kriterium »%1« in der Tabelle %2 ist "
                                   "fehlgeschlagen")
                        .arg(kriterium_, tabelle_));
    db_->fehler(QStringLiteral("Die Datenbank kann nicht gelesen werden"));
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
    const bool lesen = zugriff != Zugriff::Schreiben;
    if (lesen || (QFileInfo::exists(pfad) && QFileInfo(pfad).size() > 0))
        pruefeKopf(pfad);
    // A link planted in place of a database written to would lead the writes elsewhere.
    if (!lesen && QFileInfo(pfad).isSymLink())
        wirf(QStringLiteral("Die Datenbank %1 ist ein Verweis auf eine andere Datei; "
                            "geschrieben wird nur in die Datei selbst.")
                 .arg(pfad));
    int flags = lesen ? SQLITE_OPEN_READONLY
                      : (SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOFOLLOW);
    QByteArray name = QFile::encodeName(pfad);
    if (zugriff == Zugriff::Unveraenderlich) {
        flags |= SQLITE_OPEN_URI;
        name = dateiUri(pfad);
    }
    if (sqlite3_open_v2(name.constData(), &db_, flags, nullptr) != SQLITE_OK) {
        const QString grund = fehlerGrund();
        sqlite3_close(db_);
        db_ = nullptr;
        wirf(QStringLiteral("Die Datenbank %1 kann nicht geöffnet werden: %2").arg(pfad, grund));
    }
    sqlite3_progress_handler(db_, 1000, &SqliteDatabase::fortschritt, this);
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

int SqliteDatabase::fortschritt(void* db) {
    return std::chrono::steady_clock::now() > static_cast<SqliteDatabase*>(db)->frist_ ? 1 : 0;
}

void SqliteDatabase::starteFrist() const {
    frist_ = std::chrono::steady_clock::now() + zeitLimit_;
}

SqliteDatabase::~SqliteDatabase() {
    sqlite3_close_v2(db_);
}

SqliteStatement SqliteDatabase::prepare(const QString& sql) const {
    const QByteArray utf8 = sql.toUtf8();
    sqlite3_stmt* stmt = nullptr;
    const char* rest = nullptr;
    if (sqlite3_prepare_v2(db_, utf8.constData(), int(utf8.size()) + 1, &stmt, &rest) != SQLITE_OK)
        fehler(QStringLiteral("Die Datenbank hat nicht den erwarteten Aufbau"));
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

QStringList SqliteDatabase::spalten(const QString& tabelle) const {
    SqliteStatement s = prepare(QStringLiteral("SELECT name FROM pragma_table_info(?1)"));
    s.bind(1, tabelle);
    QStringList namen;
    while (s.step())
        namen.append(s.value(0).toString());
    return namen;
}

void SqliteDatabase::fehler(const QString& was) const {
    wirf(QStringLiteral("%1 (Datenbank %2): %3").arg(was, pfad_, fehlerGrund()));
}

QString SqliteDatabase::fehlerGrund() const {
    if (db_ == nullptr)
        return QStringLiteral("Es ist nicht genug Arbeitsspeicher frei.");
    switch (sqlite3_errcode(db_)) {
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
    case SQLITE_FORMAT:
        return QStringLiteral("Die Datei ist beschädigt oder unvollständig.");
    case SQLITE_IOERR:
        return QStringLiteral("Die Datei lässt sich nicht vollständig lesen; sie ist wohl "
                              "abgeschnitten oder beschädigt.");
    case SQLITE_CANTOPEN:
        return QStringLiteral("Die Datei fehlt oder darf nicht geöffnet werden.");
    case SQLITE_PERM:
    case SQLITE_READONLY:
        return QStringLiteral("Die Datei darf nicht geändert werden.");
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return QStringLiteral("Die Datei wird gerade von einem anderen Programm benutzt.");
    case SQLITE_FULL:
        return QStringLiteral("Der Datenträger ist voll.");
    case SQLITE_NOMEM:
        return QStringLiteral("Es ist nicht genug Arbeitsspeicher frei.");
    case SQLITE_INTERRUPT:
        return QStringLiteral("Die Suche hat zu lange gedauert.");
    case SQLITE_TOOBIG:
        return QStringLiteral("Ein Wert ist zu groß.");
    case SQLITE_ERROR:
        return ausdrucksFehler(QString::fromUtf8(sqlite3_errmsg(db_)));
    default:
        return QStringLiteral("Unbekannter Datenbankfehler Nummer %1.").arg(sqlite3_errcode(db_));
    }
}

} // namespace zafku
