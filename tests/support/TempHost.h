#pragma once

#include "platform/Windows1252.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

// Any file whole; empty when it cannot be read.
inline QByteArray leseDatei(const QString& pfad) {
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Writes a file whole, making its folder first.
inline void schreibeDatei(const QString& pfad, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(pfad).path());
    QFile f(pfad);
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
}

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
        schreibeDatei(file(name), bytes);
    }
    QByteArray readBytes(const QString& name) const { return leseDatei(file(name)); }

  private:
    QTemporaryDir dir_;
};

// The user settings of one test alone.
struct EigeneEinstellungen {
    EigeneEinstellungen() {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, ordner.path());
    }
    QTemporaryDir ordner;
};
