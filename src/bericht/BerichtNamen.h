#pragma once

#include <QHash>
#include <QString>

namespace zafku::bericht {

// The start window remembers which child a protocol file belongs to, so that the report
// can show names instead of file names. Kept in the start window's QSettings.
QHash<QString, QString> gespeicherteNamen();
void merkeName(const QString& datei, const QString& name);

// The names the report shows: those remembered, overruled by the class list's.
QHash<QString, QString> namenDerKinder(const QString& appPfad);

} // namespace zafku::bericht
