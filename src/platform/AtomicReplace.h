#pragma once

#include <QByteArray>
#include <QString>

namespace zafku {

// Replaces the file at path with bytes so that a crash at any instant leaves either the
// old or the new file, and any number of processes (on this machine or others sharing
// the folder) may do so at once: each writes its own temporary file beside the target,
// flushes it to disk and renames it over; the last rename wins with a whole file. A
// symbolic link at path is written through to its target and stays a link when the
// target lies in the link's folder or below; any other link is replaced by the file. The new file
// keeps the old one's permissions. On failure the temporary file is removed, the target
// is untouched, and the result says in German what went wrong.
struct ReplaceResult {
    bool ok = false;
    QString error;
};
ReplaceResult replaceFileAtomically(const QString& path, const QByteArray& bytes);

// Removes the temporary files of rewrites of path whose writer died: at once when it ran
// on this machine and is gone, otherwise after an hour (a rewrite takes milliseconds).
void removeStaleTempFiles(const QString& path);

} // namespace zafku
