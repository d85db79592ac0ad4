#include "HostPath.h"

#include <QDir>
#include <QFileInfo>

namespace zafku {

QString resolveHostPath(const QString& dir, const QString& relative) {
    QString current = dir;
    const QStringList parts =
        QString(relative).replace(u'\\', u'/').split(u'/', Qt::SkipEmptyParts);
    bool onDisk = true;
    for (const QString& part : parts) {
        QString chosen = part;
        if (onDisk) {
            const QDir d(current);
            if (!QFileInfo::exists(d.filePath(part))) {
                onDisk = false;
                const QStringList entries = d.entryList(QDir::AllEntries | QDir::Hidden |
                                                        QDir::System | QDir::NoDotAndDotDot);
                for (const QString& entry : entries) {
                    if (entry.compare(part, Qt::CaseInsensitive) == 0) {
                        chosen = entry;
                        onDisk = true;
                        break;
                    }
                }
            }
        }
        current = current.isEmpty() ? chosen : current + u'/' + chosen;
    }
    return current;
}

} // namespace zafku
