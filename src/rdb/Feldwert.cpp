#include "Feldwert.h"

#include "platform/LaufzeitFehler.h"
#include "platform/SqliteRecordSet.h"

#include <cmath>

namespace zafku {

namespace {

[[noreturn]] void falscherWert(const QString& feld, const SqliteRecordSet& tabelle,
                               const QString& grund) {
    throw LaufzeitFehler(QStringLiteral("Das Feld %1 der Tabelle %2 in der Datenbank %3 %4.")
                             .arg(feld, tabelle.tabelle(), tabelle.datei(), grund));
}

} // namespace

int leseInt16(const QVariant& wert, const QString& feld, const SqliteRecordSet& tabelle) {
    if (wert.isNull())
        falscherWert(feld, tabelle, QStringLiteral("ist leer (Null)"));
    bool ok = false;
    const double zahl = std::nearbyint(wert.toDouble(&ok));
    if (!ok || zahl < -32768 || zahl > 32767)
        falscherWert(
            feld, tabelle,
            QStringLiteral("hat den Wert %1, der keine 16-Bit-Zahl ist").arg(wert.toString()));
    return int(zahl);
}

QString leseText(const QVariant& wert, const QString& feld, const SqliteRecordSet& tabelle) {
    if (wert.isNull())
        falscherWert(feld, tabelle, QStringLiteral("ist leer (Null)"));
    return wert.toString();
}

} // namespace zafku
