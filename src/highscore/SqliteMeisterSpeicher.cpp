#include "SqliteMeisterSpeicher.h"

#include "platform/LaufzeitFehler.h"
#include "platform/SqliteDatabase.h"

#include <QFileInfo>
#include <QVariant>

#include <sqlite3.h>

namespace zafku {

SqliteMeisterSpeicher::SqliteMeisterSpeicher(QString pfad, int wartezeitMs)
    : pfad_(std::move(pfad)), wartezeitMs_(wartezeitMs) {}

SqliteMeisterSpeicher::~SqliteMeisterSpeicher() {
    verwirf();
}

QString SqliteMeisterSpeicher::bezeichnung() const {
    return QStringLiteral("Die Meisterliste %1").arg(pfad_);
}

namespace {

const QString kErsetzen = QStringLiteral(" Bitte die Datei durch eine Sicherung ersetzen oder "
                                         "löschen; dann wird eine neue, leere Liste angelegt.");

} // namespace

// A file made by another program may hold the table without all of its columns.
QStringList SqliteMeisterSpeicher::fehlendeSpalten() const {
    QStringList fehlend;
    try {
        const QStringList da = db_->spalten(QStringLiteral("Punkte"));
        for (const char* spalte : {"Programm", "Name", "Datum", "Punkte"})
            if (!da.contains(QLatin1String(spalte), Qt::CaseInsensitive))
                fehlend.append(QLatin1String(spalte));
    } catch (const LaufzeitFehler&) {
    }
    return fehlend;
}

void SqliteMeisterSpeicher::fehler(int code) const {
    QString was;
    switch (code & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        was = QStringLiteral("ist gesperrt, weil ein anderes Programm gerade hineinschreibt. "
                             "Bitte später noch einmal versuchen.");
        break;
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
        was = QStringLiteral("ist beschädigt.") + kErsetzen;
        break;
    case SQLITE_READONLY:
    case SQLITE_PERM:
    case SQLITE_CANTOPEN:
    case SQLITE_AUTH:
        was = QStringLiteral("kann nicht geschrieben werden: Zafku fehlt das Schreibrecht.");
        break;
    case SQLITE_FULL:
    case SQLITE_IOERR:
        was = QStringLiteral("kann nicht geschrieben werden: Der Datenträger ist voll oder "
                             "nicht erreichbar.");
        break;
    case SQLITE_ERROR:
        if (const QStringList fehlend = fehlendeSpalten(); !fehlend.isEmpty()) {
            was = (fehlend.size() == 1
                       ? QStringLiteral("passt nicht zu Zafku: Der Tabelle Punkte fehlt die "
                                        "Spalte %1.")
                       : QStringLiteral("passt nicht zu Zafku: Der Tabelle Punkte fehlen die "
                                        "Spalten %1."))
                      .arg(fehlend.join(QStringLiteral(", "))) +
                  kErsetzen;
            break;
        }
        [[fallthrough]];
    default:
        was = QStringLiteral("kann nicht benutzt werden (SQLite-Fehler %1).").arg(code);
    }
    throw LaufzeitFehler(bezeichnung() + u' ' + was);
}

void SqliteMeisterSpeicher::verbinde() {
    verwirf();
    // Opened for writing also when only reading: a read-only connection takes its read
    // lock at once, before the busy timeout could be set.
    db_ = std::make_unique<SqliteDatabase>(pfad_, SqliteDatabase::Zugriff::Schreiben);
    sqlite3_busy_timeout(db_->handle(), wartezeitMs_);
}

void SqliteMeisterSpeicher::fuehreAus(const char* sql, const QVariantList& werte,
                                      const std::function<void(sqlite3_stmt*)>& zeile) {
    sqlite3* h = db_->handle();
    sqlite3_stmt* stmt = nullptr;
    if (const int rc = sqlite3_prepare_v2(h, sql, -1, &stmt, nullptr); rc != SQLITE_OK)
        fehler(sqlite3_extended_errcode(h));
    std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)> halter(stmt, &sqlite3_finalize);
    for (int i = 0; i < werte.size(); ++i) {
        if (werte[i].typeId() == QMetaType::QString) {
            const QByteArray utf8 = werte[i].toString().toUtf8();
            sqlite3_bind_text(stmt, i + 1, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
        } else {
            sqlite3_bind_int64(stmt, i + 1, werte[i].toLongLong());
        }
    }
    for (;;) {
        const int rc = sqlite3_step(stmt);
        if (rc == SQLITE_DONE)
            return;
        if (rc != SQLITE_ROW)
            fehler(sqlite3_extended_errcode(h));
        if (zeile)
            zeile(stmt);
    }
}

void SqliteMeisterSpeicher::oeffneTabelle(const QString&) {
    verbinde();
    // Taking the write lock first keeps two games from counting the same rows.
    fuehreAus("BEGIN IMMEDIATE", {});
    fuehreAus("CREATE TABLE IF NOT EXISTS Punkte (Programm TEXT, Name TEXT, Datum TEXT, "
              "Punkte INTEGER)",
              {});
}

int SqliteMeisterSpeicher::zaehleEintraege(const QString& programm) {
    int n = 0;
    fuehreAus("SELECT count(*) FROM Punkte WHERE Programm = ?1", {programm},
              [&](sqlite3_stmt* s) { n = sqlite3_column_int(s, 0); });
    return n;
}

std::optional<std::int32_t> SqliteMeisterSpeicher::kleinstePunkte(const QString& programm) {
    std::optional<std::int32_t> m;
    fuehreAus("SELECT min(Punkte) FROM Punkte WHERE Programm = ?1", {programm},
              [&](sqlite3_stmt* s) {
                  if (sqlite3_column_type(s, 0) != SQLITE_NULL)
                      m = std::int32_t(sqlite3_column_int64(s, 0));
              });
    return m;
}

void SqliteMeisterSpeicher::fuegeEintragEin(const MeisterEintrag& e) {
    fuehreAus("INSERT INTO Punkte (Name, Programm, Datum, Punkte) VALUES (?1, ?2, ?3, ?4)",
              {e.name, e.programm, e.datum, qint64(e.punkte)});
}

void SqliteMeisterSpeicher::loescheEintrag(const QString& programm, std::int32_t punkte) {
    fuehreAus("DELETE FROM Punkte WHERE rowid = (SELECT rowid FROM Punkte WHERE Programm = ?1 "
              "AND Punkte = ?2 ORDER BY rowid LIMIT 1)",
              {programm, qint64(punkte)});
}

void SqliteMeisterSpeicher::schliesseDb() {
    fuehreAus("COMMIT", {});
    db_.reset();
}

void SqliteMeisterSpeicher::verwirf() {
    if (!db_)
        return;
    if (!sqlite3_get_autocommit(db_->handle()))
        sqlite3_exec(db_->handle(), "ROLLBACK", nullptr, nullptr, nullptr);
    db_.reset();
}

QList<MeisterEintrag> SqliteMeisterSpeicher::oeffneListe(const QString& programm) {
    if (!QFileInfo::exists(pfad_))
        return {};
    verbinde();
    QList<MeisterEintrag> zeilen;
    bool hatTabelle = false;
    fuehreAus("SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = 'Punkte' COLLATE "
              "NOCASE",
              {}, [&](sqlite3_stmt*) { hatTabelle = true; });
    if (hatTabelle)
        fuehreAus("SELECT Name, Programm, Datum, Punkte FROM Punkte WHERE Programm = ?1 "
                  "ORDER BY Punkte DESC, rowid",
                  {programm}, [&](sqlite3_stmt* s) {
                      const auto text = [s](int i) {
                          return QString::fromUtf8(
                              reinterpret_cast<const char*>(sqlite3_column_text(s, i)));
                      };
                      zeilen.append(
                          {text(0), text(1), text(2), std::int32_t(sqlite3_column_int64(s, 3))});
                  });
    db_.reset();
    return zeilen;
}

} // namespace zafku
