#pragma once

#include "platform/Windows1252.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

// A throw-away host folder for tests; files are written as the host writes them.
class TempHost {
  public:
    QString path() const { return dir_.path(); }
    QString file(const QString& name) const { return QDir(dir_.path()).filePath(name); }

    // Writes lines as Windows-1252 with CR LF.
    void writeHostFile(const QString& name, const QStringList& lines) const {
        QByteArray bytes;
        for (const QString& line : lines)
            bytes += zafku::encodeWindows1252(line) + "\r\n";
        writeBytes(name, bytes);
    }

    void writeBytes(const QString& name, const QByteArray& bytes) const {
        const QString full = file(name);
        QDir().mkpath(QFileInfo(full).path());
        QFile f(full);
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
    }

    QByteArray readBytes(const QString& name) const {
        QFile f(file(name));
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }

  private:
    QTemporaryDir dir_;
};
