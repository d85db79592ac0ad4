#pragma once

#include <QByteArray>
#include <QString>

namespace zafku {

// The host's files are single-byte Windows-1252 text.
QString decodeWindows1252(const QByteArray& bytes);
// Characters outside the code page become '?'.
QByteArray encodeWindows1252(const QString& text);

} // namespace zafku
