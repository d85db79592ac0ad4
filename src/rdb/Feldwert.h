#pragma once

#include <QString>
#include <QVariant>

#include <optional>

namespace zafku {

class SqliteRecordSet;

// A whole number that fits 16 bits, rounded to the nearest (halves to even); nothing
// for Null, a text that is no number, or a value beyond 16 bits.
std::optional<int> alsInt16(const QVariant& wert);

// A field of one record read into a 16-bit whole number. Null or a value beyond 16 bits
// raises LaufzeitFehler naming the field, the table, the record (satz, e.g. "RefNr 17")
// and the file.
int leseInt16(const QVariant& wert, const QString& feld, const SqliteRecordSet& tabelle,
              const QString& satz);
// A text field that must not be Null.
QString leseText(const QVariant& wert, const QString& feld, const SqliteRecordSet& tabelle,
                 const QString& satz);

// How messages name a record: by its RefNr, or by its position when the RefNr is the
// faulty field.
QString satzMitRefNr(int refNr);
QString satzNummer(qint64 rowid);

} // namespace zafku
