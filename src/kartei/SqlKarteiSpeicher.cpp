#include "SqlKarteiSpeicher.h"

namespace zafku::kartei {

namespace {

const QStringList kTabellen = {
    QStringLiteral("CREATE TABLE IF NOT EXISTS Karten (Datei TEXT NOT NULL, RefNr INTEGER NOT "
                   "NULL, Fach INTEGER NOT NULL, Faellig TEXT NOT NULL, PRIMARY KEY (Datei, "
                   "RefNr))"),
    QStringLiteral("CREATE TABLE IF NOT EXISTS Lesestand (Datei TEXT PRIMARY KEY, Groesse "
                   "BIGINT NOT NULL, Hash TEXT NOT NULL, Anker TEXT NOT NULL, Zeilen INTEGER "
                   "NOT NULL)"),
    QStringLiteral("CREATE TABLE IF NOT EXISTS Lesungen (Datei TEXT NOT NULL, Datum TEXT NOT "
                   "NULL, VonZeile INTEGER NOT NULL, BisZeile INTEGER NOT NULL)"),
};

QString datumText(QDate d) {
    return d.isValid() ? d.toString(Qt::ISODate) : QString();
}

QDate datum(const QString& text) {
    return QDate::fromString(text, Qt::ISODate);
}

} // namespace

KindKartei SqlKarteiSpeicher::beginne(const QString& datei) {
    verbinde();
    legeTabellenAn(kTabellen);
    sperre(datei);
    return lies(datei).value(datei);
}

QMap<QString, KindKartei> SqlKarteiSpeicher::lies(const QString& datei) {
    const bool eine = !datei.isNull();
    const QStringList werte = eine ? QStringList{datei} : QStringList{};
    QMap<QString, KindKartei> alle;
    for (const QStringList& z :
         fuehreAus(eine ? "SELECT Datei, RefNr, Fach, Faellig FROM Karten WHERE Datei = $1"
                        : "SELECT Datei, RefNr, Fach, Faellig FROM Karten",
                   werte))
        alle[z[0]].karten.insert(z[1].toInt(), {z[1].toInt(), z[2].toInt(), datum(z[3])});
    for (const QStringList& z :
         fuehreAus(eine ? "SELECT Datei, Groesse, Hash, Anker, Zeilen FROM Lesestand WHERE "
                          "Datei = $1"
                        : "SELECT Datei, Groesse, Hash, Anker, Zeilen FROM Lesestand",
                   werte))
        alle[z[0]].stand = {z[1].toLongLong(), QByteArray::fromBase64(z[2].toLatin1()),
                            QByteArray::fromBase64(z[3].toLatin1()), z[4].toInt()};
    for (const QStringList& z :
         fuehreAus(eine ? "SELECT Datei, Datum, VonZeile, BisZeile FROM Lesungen WHERE Datei "
                          "= $1 ORDER BY VonZeile"
                        : "SELECT Datei, Datum, VonZeile, BisZeile FROM Lesungen ORDER BY "
                          "Datei, VonZeile",
                   werte))
        alle[z[0]].lesungen.append({datum(z[1]), z[2].toInt(), z[3].toInt()});
    return alle;
}

void SqlKarteiSpeicher::speichere(const QString& datei, const KindKartei& k) {
    fuehreAus("DELETE FROM Karten WHERE Datei = $1", {datei});
    fuehreAus("DELETE FROM Lesestand WHERE Datei = $1", {datei});
    fuehreAus("DELETE FROM Lesungen WHERE Datei = $1", {datei});
    for (const Karte& karte : k.karten)
        fuehreAus("INSERT INTO Karten (Datei, RefNr, Fach, Faellig) VALUES ($1, $2, $3, $4)",
                  {datei, QString::number(karte.refNr), QString::number(karte.fach),
                   datumText(karte.faellig)});
    fuehreAus("INSERT INTO Lesestand (Datei, Groesse, Hash, Anker, Zeilen) VALUES ($1, $2, $3, "
              "$4, $5)",
              {datei, QString::number(k.stand.groesse),
               QString::fromLatin1(k.stand.hash.toBase64()),
               QString::fromLatin1(k.stand.anker.toBase64()), QString::number(k.stand.zeilen)});
    for (const Lesung& l : k.lesungen)
        fuehreAus(
            "INSERT INTO Lesungen (Datei, Datum, VonZeile, BisZeile) VALUES ($1, $2, $3, "
            "$4)",
            {datei, datumText(l.datum), QString::number(l.vonZeile), QString::number(l.bisZeile)});
    schliesse();
}

QMap<QString, KindKartei> SqlKarteiSpeicher::alle() {
    verbinde();
    QMap<QString, KindKartei> ergebnis;
    if (hatTabellen())
        ergebnis = lies(QString());
    verwirf();
    return ergebnis;
}

} // namespace zafku::kartei
