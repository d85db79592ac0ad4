#include "AtomicReplace.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zafku {

namespace {

ReplaceResult fehlschlag(const QByteArray& tmp, int fd) {
    const int fehler = errno;
    if (fd >= 0)
        ::close(fd);
    ::unlink(tmp.constData());
    return {false, QString::fromLocal8Bit(std::strerror(fehler))};
}

} // namespace

ReplaceResult replaceFileAtomically(const QString& path, const QString& tmpPath,
                                    const QByteArray& bytes) {
    const QByteArray ziel = QFile::encodeName(path);
    const QByteArray tmp = QFile::encodeName(tmpPath);
    mode_t modus = 0644;
    struct stat alt {};
    if (::stat(ziel.constData(), &alt) == 0)
        modus = alt.st_mode & 07777;

    const int fd = ::open(tmp.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0)
        return fehlschlag(tmp, -1);
    qsizetype geschrieben = 0;
    while (geschrieben < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + geschrieben,
                                  static_cast<size_t>(bytes.size() - geschrieben));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return fehlschlag(tmp, fd);
        geschrieben += n;
    }
    // The rename must not reach the disk before the data it points at.
    if (::fchmod(fd, modus) != 0 || ::fsync(fd) != 0)
        return fehlschlag(tmp, fd);
    if (::close(fd) != 0)
        return fehlschlag(tmp, -1);
    if (::rename(tmp.constData(), ziel.constData()) != 0)
        return fehlschlag(tmp, -1);
    // Make the rename itself durable; a failure here no longer endangers either version.
    const QByteArray ordner = QFile::encodeName(QFileInfo(path).absolutePath());
    if (const int dfd = ::open(ordner.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); dfd >= 0) {
        ::fsync(dfd);
        ::close(dfd);
    }
    return {true, QString()};
}

} // namespace zafku
