#pragma once

#include <QString>
#include <QVariant>

namespace zafku {

class SqliteRecordSet;

// A field value read into a 16-bit whole number; Null or a value beyond 16 bits raises
// LaufzeitFehler naming the field, table and file.
int leseInt16(const QVariant& wert, const QString& feld, const SqliteRecordSet& tabelle);
// A text field that must not be Null.
QString leseText(const QVariant& wert, const QString& feld, const SqliteRecordSet& tabelle);

} // namespace zafku
