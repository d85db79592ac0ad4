#include "SqliteRecordSet.h"

#include "LaufzeitFehler.h"

#include <sqlite3.h>

namespace zafku {

namespace {

QString zitiert(const QString& name) {
    return u'"' + QString(name).replace(u'"', QStringLiteral("\"\"")) + u'"';
}

} // namespace

bool istEinAusdruck(const QString& kriterium) {
    int tiefe = 0;
    for (qsizetype i = 0; i < kriterium.size(); ++i) {
        const QChar c = kriterium[i];
        if (c == u'\'' || c == u'"' || c == u'`' || c == u'[') {
            const QChar ende = c == u'[' ? QChar(u']') : c;
            const qsizetype zu = kriterium.indexOf(ende, i + 1);
            if (zu < 0)
                return false;
            i = zu;
        } else if (c == u'(') {
            ++tiefe;
        } else if (c == u')') {
            if (--tiefe < 0)
                return false;
        } else if (c == u';' || c == u'?' || c == u':' || c == u'@' || c == u'$' || c == u'#' ||
                   kriterium.mid(i, 2) == QLatin1String("--") ||
                   kriterium.mid(i, 2) == QLatin1String("/*")) {
            return false;
        }
    }
    return tiefe == 0 && !kriterium.trimmed().isEmpty();
}

SqliteRecordSet::SqliteRecordSet(const SqliteDatabase& db, const QString& tabelle,
                                 const QStringList& felder)
    : db_(db), tabelle_(tabelle) {
    if (!db.hatTabelle(tabelle))
        throw LaufzeitFehler(
            QStringLiteral("In der Datenbank %1 fehlt die Tabelle %2.").arg(db.pfad(), tabelle));
    const QStringList vorhanden = db.spalten(tabelle);
    for (const QString& feld : felder) {
        if (!vorhanden.contains(feld, Qt::CaseInsensitive))
            throw LaufzeitFehler(QStringLiteral("In der Tabelle %1 der Datenbank %2 fehlt das "
                                                "Feld %3.")
                                     .arg(tabelle, db.pfad(), feld));
    }
}

QString SqliteRecordSet::bedingung(const QString& kriterium) const {
    if (!istEinAusdruck(kriterium))
        throw LaufzeitFehler(QStringLiteral("Das Suchkriterium »%1« für die Tabelle %2 der "
                                            "Datenbank %3 ist kein einzelner Ausdruck.")
                                 .arg(kriterium, tabelle_, db_.pfad()));
    return u'(' + kriterium + u')';
}

SqliteStatement SqliteRecordSet::bereite(const QString& sql, const QString& kriterium) const {
    try {
        SqliteStatement s = db_.prepare(sql);
        if (!kriterium.isEmpty())
            s.setKriterium(kriterium, tabelle_);
        return s;
    } catch (const LaufzeitFehler&) {
        // A damaged file is the file's fault, not the criterion's.
        const int code = sqlite3_errcode(db_.handle());
        if (kriterium.isEmpty() || (code != SQLITE_ERROR && code != SQLITE_TOOBIG))
            throw;
        throw LaufzeitFehler(QStringLiteral("Das Suchkriterium »%1« für die Tabelle %2 der "
                                            "Datenbank %3 ist ungültig: %4")
                                 .arg(kriterium, tabelle_, db_.pfad(), db_.fehlerGrund()));
    }
}

SqliteStatement& SqliteRecordSet::statement(const QString& sql, const QString& kriterium) {
    for (qsizetype i = 0; i < cache_.size(); ++i) {
        if (cache_[i].first == sql) {
            cache_.move(i, 0);
            return *cache_.front().second;
        }
    }
    auto neu = std::make_shared<SqliteStatement>(bereite(sql, kriterium));
    cache_.prepend({sql, neu});
    if (cache_.size() > 4)
        cache_.removeLast();
    return *neu;
}

void SqliteRecordSet::find(const QString& sql, qint64 nach, const std::optional<QVariant>& wert,
                           const QString& kriterium) {
    SqliteStatement& s = statement(sql, kriterium);
    s.reset();
    s.bind(1, nach);
    if (wert)
        s.bind(2, *wert);
    noMatch_ = !s.step();
    if (!noMatch_ && s.int64(0) != rowid_) {
        rowid_ = s.int64(0);
        satzGeladen_ = false;
    }
    s.reset();
}

QString SqliteRecordSet::findSql(const QString& bedingung) const {
    return QStringLiteral("SELECT rowid FROM %1 WHERE %2 AND rowid > ?1 ORDER BY rowid LIMIT 1")
        .arg(zitiert(tabelle_), bedingung);
}

void SqliteRecordSet::findFirst(const QString& kriterium) {
    find(findSql(bedingung(kriterium)), keinSatz, std::nullopt, kriterium);
}

void SqliteRecordSet::findNext(const QString& kriterium) {
    find(findSql(bedingung(kriterium)), rowid_, std::nullopt, kriterium);
}

void SqliteRecordSet::findFirst(const QString& feld, const QVariant& wert) {
    find(findSql(zitiert(feld) + QStringLiteral(" = ?2")), keinSatz, wert, {});
}

void SqliteRecordSet::findNext(const QString& feld, const QVariant& wert) {
    find(findSql(zitiert(feld) + QStringLiteral(" = ?2")), rowid_, wert, {});
}

bool SqliteRecordSet::moveTo(qint64 rowid) {
    if (rowid == rowid_)
        return true;
    if (!satzAbfrage_)
        satzAbfrage_.emplace(db_.prepare(
            QStringLiteral("SELECT * FROM %1 WHERE rowid = ?1").arg(zitiert(tabelle_))));
    satzAbfrage_->reset();
    satzAbfrage_->bind(1, rowid);
    const bool gefunden = satzAbfrage_->step();
    if (gefunden) {
        rowid_ = rowid;
        ladeSatz();
    }
    satzAbfrage_->reset();
    return gefunden;
}

void SqliteRecordSet::ladeSatz() {
    satz_.clear();
    for (int i = 0; i < satzAbfrage_->columnCount(); ++i)
        satz_.insert(satzAbfrage_->columnName(i).toLower(), satzAbfrage_->value(i));
    satzGeladen_ = true;
}

QVariant SqliteRecordSet::field(const QString& name) {
    if (rowid_ == keinSatz)
        throw LaufzeitFehler(QStringLiteral("Kein aktueller Datensatz in der Tabelle %1 der "
                                            "Datenbank %2.")
                                 .arg(tabelle_, db_.pfad()));
    if (!satzGeladen_ && !moveToGeladen())
        throw LaufzeitFehler(QStringLiteral("Der Datensatz %1 der Tabelle %2 in %3 fehlt.")
                                 .arg(rowid_)
                                 .arg(tabelle_, db_.pfad()));
    const auto it = satz_.constFind(name.toLower());
    if (it == satz_.cend())
        throw LaufzeitFehler(QStringLiteral("In der Tabelle %1 der Datenbank %2 fehlt das Feld %3.")
                                 .arg(tabelle_, db_.pfad(), name));
    return *it;
}

bool SqliteRecordSet::moveToGeladen() {
    const qint64 ziel = rowid_;
    rowid_ = keinSatz;
    return moveTo(ziel);
}

SqliteStatement SqliteRecordSet::select(const QString& spalten, const QString& kriterium) const {
    return bereite(QStringLiteral("SELECT %1 FROM %2 WHERE %3 ORDER BY rowid")
                       .arg(spalten, zitiert(tabelle_), bedingung(kriterium)),
                   kriterium);
}

} // namespace zafku
