#include "Feldwert.h"

#include "platform/LaufzeitFehler.h"
#include "platform/SqliteRecordSet.h"

#include <cmath>

namespace zafku {

namespace {

[[noreturn]] void falscherWert(const QString& feld, const SqliteRecordSet& tabelle,
                               const QString& satz, const QString& grund) {
    throw LaufzeitFehler(QStringLiteral("Das Feld %1 der Tabelle %2 (%3) in der Datenbank %4 %5.")
                             .arg(feld, tabelle.tabelle(), satz, tabelle.datei(), grund));
}

} // namespace

std::optional<int> alsInt16(const QVariant& wert) {
    if (wert.isNull())
        return std::nullopt;
    bool ok; // set by toDouble
    const double zahl = std::nearbyint(wert.toDouble(&ok));
    if (!ok || !(zahl >= -32768 && zahl <= 32767))
        return std::nullopt;
    return int(zahl);
}

int leseInt16(const QVariant& wert, const QString& feld, const SqliteRecordSet& tabelle,
              const QString& satz) {
    if (wert.isNull())
        falscherWert(feld, tabelle, satz, QStringLiteral("ist leer (Null)"));
    const std::optional<int> zahl = alsInt16(wert);
    if (!zahl)
        falscherWert(
            feld, tabelle, satz,
            QStringLiteral("hat den Wert %1, der keine 16-Bit-Zahl ist").arg(wert.toString()));
    return *zahl;
}

QString leseText(const QVariant& wert, const QString& feld, const SqliteRecordSet& tabelle,
                 const QString& satz) {
    if (wert.isNull())
        falscherWert(feld, tabelle, satz, QStringLiteral("ist leer (Null)"));
    return wert.toString();
}

QString satzMitRefNr(int refNr) {
    return QStringLiteral("RefNr %1").arg(refNr);
}

QString satzNummer(qint64 rowid) {
    return QStringLiteral("Datensatz %1").arg(rowid);
}

} // namespace zafku
