#pragma once

#include <QByteArray>
#include <QString>

namespace zafku {

// Replaces the file at path with bytes so that a crash at any instant leaves either the
// old or the new file: the bytes go to tmpPath, are flushed to disk, and tmpPath is then
// renamed over path. The new file keeps the old one's permissions. On failure tmpPath is
// removed, path is untouched, and the result names what went wrong (errno text).
struct ReplaceResult {
    bool ok = false;
    QString error;
};
ReplaceResult replaceFileAtomically(const QString& path, const QString& tmpPath,
                                    const QByteArray& bytes);

} // namespace zafku
