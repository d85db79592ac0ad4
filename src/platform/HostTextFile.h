#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace zafku {

// Whole host text file decoded from Windows-1252; nullopt when it cannot be read.
std::optional<QString> readHostText(const QString& path);

// Splits host text into lines; CR LF, a lone LF and a lone CR all end a line.
QStringList splitHostLines(const QString& text);

// Encodes lines as Windows-1252, each ended by CR LF.
QByteArray hostLinesBytes(const QStringList& lines);

// Writes the lines to a temporary file beside path and renames it over path, so the
// file is never left half written. False when any step fails.
bool writeHostLinesAtomically(const QString& path, const QStringList& lines);

} // namespace zafku
