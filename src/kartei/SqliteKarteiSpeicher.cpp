#include "SqliteKarteiSpeicher.h"

#include "platform/SqliteDatabase.h"

#include <QFileInfo>

#include <sqlite3.h>

namespace zafku::kartei {

SqliteKarteiSpeicher::SqliteKarteiSpeicher(QString pfad, int wartezeitMs)
    : pfad_(std::move(pfad)), wartezeitMs_(wartezeitMs) {}

SqliteKarteiSpeicher::~SqliteKarteiSpeicher() {
    verwirf();
}

QString SqliteKarteiSpeicher::bezeichnung() const {
    return QStringLiteral("Die Wortkartei %1").arg(pfad_);
}

void SqliteKarteiSpeicher::verbinde() {
    verwirf();
    db_ = std::make_unique<SqliteDatabase>(pfad_, SqliteDatabase::Zugriff::Schreiben);
    sqlite3_busy_timeout(db_->handle(), wartezeitMs_);
}

void SqliteKarteiSpeicher::legeTabellenAn(const QStringList& anweisungen) {
    for (const QString& sql : anweisungen)
        db_->exec(sql);
}

void SqliteKarteiSpeicher::sperre(const QString&) {
    // The write lock first: two processes must not read the same old state.
    db_->exec(QStringLiteral("BEGIN IMMEDIATE"));
}

SqlKarteiSpeicher::Zeilen SqliteKarteiSpeicher::fuehreAus(const char* sql,
                                                          const QStringList& werte) {
    SqliteStatement s = db_->prepare(QString::fromLatin1(sql));
    for (int i = 0; i < werte.size(); ++i)
        s.bind(i + 1, werte[i]);
    Zeilen zeilen;
    while (s.step()) {
        QStringList z;
        for (int i = 0; i < s.columnCount(); ++i)
            z.append(s.value(i).toString());
        zeilen.append(z);
    }
    return zeilen;
}

void SqliteKarteiSpeicher::schliesse() {
    db_->exec(QStringLiteral("COMMIT"));
    db_.reset();
}

bool SqliteKarteiSpeicher::hatTabellen() {
    return db_->hatTabelle(QStringLiteral("Karten"));
}

QMap<QString, KindKartei> SqliteKarteiSpeicher::alle() {
    // Showing the boxes must not create the file.
    if (!QFileInfo::exists(pfad_))
        return {};
    return SqlKarteiSpeicher::alle();
}

void SqliteKarteiSpeicher::verwirf() {
    if (!db_)
        return;
    if (!sqlite3_get_autocommit(db_->handle()))
        sqlite3_exec(db_->handle(), "ROLLBACK", nullptr, nullptr, nullptr);
    db_.reset();
}

} // namespace zafku::kartei
