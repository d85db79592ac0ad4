#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace zafku {

// Host text files are a few kilobytes; anything far larger is not one.
constexpr qint64 kMaxHostTextBytes = 1 << 20;

enum class HostTextError { None, Missing, NotAFile, TooLarge, Unreadable };

// At most limit bytes of a regular file given by its name in the file system's own bytes;
// *cut tells that more followed. nullopt when it cannot be read, the reason in *error
// (TooLarge is never set here). A FIFO or a device is refused, never opened for reading.
std::optional<QByteArray> readRegularFile(const QByteArray& nativePath, qint64 limit,
                                          HostTextError* error = nullptr, bool* cut = nullptr);

// Whole host text file decoded from Windows-1252; nullopt when it cannot be read, with
// the reason in *error. Only regular files are opened, so a FIFO or a device can neither
// block nor exhaust memory.
std::optional<QString> readHostText(const QString& path, HostTextError* error = nullptr);

// The text with every control character (tab, line breaks, NUL) as a blank: a name stays
// one field of one line wherever it is written.
QString controlsAsBlanks(QString text);

// Splits host text into lines; CR LF, a lone LF and a lone CR all end a line.
QStringList splitHostLines(const QString& text);

// Encodes lines as Windows-1252, each ended by CR LF.
QByteArray hostLinesBytes(const QStringList& lines);

// Writes the lines to a temporary file and renames that over path (see replaceFileAtomically),
// so the file is never left half written. False when any step fails.
bool writeHostLinesAtomically(const QString& path, const QStringList& lines);

} // namespace zafku
