#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

// A property every input must keep; a breach stops the run so libFuzzer keeps the input.
#define PRUEFE(bedingung, was)                                                                     \
    do {                                                                                           \
        if (!(bedingung)) {                                                                        \
            std::fprintf(stderr, "property broken: %s (%s)\n", was, #bedingung);                   \
            std::abort();                                                                          \
        }                                                                                          \
    } while (0)

// A host folder for the whole run, on a RAM disk where there is one.
class FuzzHost {
  public:
    FuzzHost()
        : dir_(QDir("/dev/shm").exists()
                   ? QStringLiteral("/dev/shm/zafku-fuzz-XXXXXX")
                   : QDir::tempPath() + QStringLiteral("/zafku-fuzz-XXXXXX")) {
        QDir(dir_.path()).mkpath(QStringLiteral("User"));
    }
    QString path() const { return dir_.path(); }
    QString file(const QString& name) const { return dir_.filePath(name); }
    void write(const QString& name, const QByteArray& bytes) const {
        QFile f(file(name));
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
            std::abort();
    }
    // Copies a file of the demo host's sources.
    void copyFromSource(const QString& name) const {
        QFile quelle(QStringLiteral(ZAFKU_SOURCE_DIR "/host/") + name);
        if (!quelle.open(QIODevice::ReadOnly))
            std::abort();
        write(name, quelle.readAll());
    }

  private:
    QTemporaryDir dir_;
};
