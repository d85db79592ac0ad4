#include "HostLock.h"

#include "SystemFehler.h"

#include <QDir>
#include <QFile>
#include <QSysInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace zafku {

namespace {

bool setzeSperre(int fd) {
    struct flock f {};
    f.l_type = F_WRLCK;
    f.l_whence = SEEK_SET;
    // Per open file, not per process: two users in one process exclude each other too.
    return ::fcntl(fd, F_OFD_SETLK, &f) == 0;
}

// "host pid" of the last holder, to name it when waiting gives up.
QString halter(int fd) {
    char text[256] = {};
    const ssize_t n = ::pread(fd, text, sizeof text - 1, 0);
    return n > 0 ? QString::fromUtf8(text, n).trimmed() : QString();
}

} // namespace

HostLock::HostLock(const QString& hostDir, std::chrono::milliseconds maxWait) {
    const QString pfad = QDir(hostDir).filePath(QStringLiteral(".zafku-sperre"));
    // A link planted in place of the lock file must not make us create a file elsewhere.
    const int fd = ::open(QFile::encodeName(pfad).constData(),
                          O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0666);
    if (fd < 0) {
        error_ = QStringLiteral("Die Sperrdatei %1 kann nicht angelegt werden: %2")
                     .arg(pfad, systemFehlerText(errno));
        return;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        error_ = QStringLiteral("%1 ist keine gewöhnliche Datei.").arg(pfad);
        return;
    }
    // Teachers on other accounts share the folder.
    ::fchmod(fd, 0666);
    const auto bis = std::chrono::steady_clock::now() + maxWait;
    while (!setzeSperre(fd)) {
        const int fehler = errno;
        if (fehler != EAGAIN && fehler != EACCES && fehler != EINTR) {
            ::close(fd);
            error_ = QStringLiteral("Der Ordner %1 lässt sich nicht sperren: %2")
                         .arg(hostDir, systemFehlerText(fehler));
            return;
        }
        if (std::chrono::steady_clock::now() >= bis) {
            const QString wer = halter(fd);
            ::close(fd);
            error_ = QStringLiteral("Im Ordner %1 speichert seit über %2 Sekunden ein anderes "
                                    "Programm (%3).")
                         .arg(hostDir)
                         .arg(std::chrono::duration_cast<std::chrono::seconds>(maxWait).count())
                         .arg(wer.isEmpty() ? QStringLiteral("unbekannt") : wer);
            return;
        }
        waited_ = true;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    fd_ = fd;
    const QByteArray wer =
        (QStringLiteral("Rechner %1, Prozess %2").arg(QSysInfo::machineHostName()).arg(::getpid()))
            .toUtf8();
    if (::ftruncate(fd_, 0) == 0)
        (void)!::pwrite(fd_, wer.constData(), size_t(wer.size()), 0);
}

HostLock::~HostLock() {
    // Closing the last descriptor of the open file releases the lock.
    if (fd_ >= 0)
        ::close(fd_);
}

} // namespace zafku
