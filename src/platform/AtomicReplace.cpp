#include "AtomicReplace.h"

#include "SystemFehler.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSysInfo>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zafku {

namespace {

// Host names may hold dots; the temporary name is split on them.
QString rechnerName() {
    QString name = QSysInfo::machineHostName();
    for (QChar& c : name)
        if (!c.isLetterOrNumber() && c != u'-')
            c = u'-';
    return name.isEmpty() ? QStringLiteral("rechner") : name;
}

// <name>.<host>.<pid>.<random>.tmp beside the target.
QString tempName(const QString& ziel) {
    return QStringLiteral("%1.%2.%3.%4.tmp")
        .arg(ziel, rechnerName(), QString::number(::getpid()),
             QString::number(QRandomGenerator::system()->generate64(), 36));
}

ReplaceResult fehlschlag(const QByteArray& tmp, int fd) {
    const int fehler = errno;
    if (fd >= 0)
        ::close(fd);
    if (!tmp.isEmpty())
        ::unlink(tmp.constData());
    return {false, systemFehlerText(fehler)};
}

// The file a link points at, so that the rename replaces the target and not the link; a
// link that leads out of its own folder is replaced itself, so nothing outside is written.
QString zielDatei(const QString& path) {
    const QFileInfo info(path);
    if (!info.isSymLink())
        return path;
    const QString echt = info.canonicalFilePath();
    const QString ordner = info.absoluteDir().canonicalPath();
    return !echt.isEmpty() && !ordner.isEmpty() && echt.startsWith(ordner + u'/') ? echt : path;
}

} // namespace

ReplaceResult replaceFileAtomically(const QString& path, const QByteArray& bytes) {
    const QString zielPfad = zielDatei(path);
    const QByteArray ziel = QFile::encodeName(zielPfad);
    mode_t modus = 0644;
    struct stat alt {};
    if (::stat(ziel.constData(), &alt) == 0)
        modus = alt.st_mode & 07777;

    // With 64 random bits in it the name is new; O_EXCL refuses it should it not be.
    const QByteArray tmp = QFile::encodeName(tempName(zielPfad));
    const int fd = ::open(tmp.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0)
        return fehlschlag(QByteArray(), -1);
    qsizetype geschrieben = 0;
    while (geschrieben < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + geschrieben,
                                  static_cast<size_t>(bytes.size() - geschrieben));
        if (n < 0 && errno == EINTR)
            continue;
        if (n == 0)
            errno = ENOSPC;
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
    const QByteArray ordner = QFile::encodeName(QFileInfo(zielPfad).absolutePath());
    if (const int dfd = ::open(ordner.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); dfd >= 0) {
        ::fsync(dfd);
        ::close(dfd);
    }
    return {true, QString()};
}

void removeStaleTempFiles(const QString& path) {
    const QFileInfo ziel(zielDatei(path));
    const QDir ordner = ziel.absoluteDir();
    const QString eigenerRechner = rechnerName();
    const QDateTime vorEinerStunde = QDateTime::currentDateTimeUtc().addSecs(-3600);
    const QStringList namen = ordner.entryList({ziel.fileName() + QStringLiteral(".*.tmp")},
                                               QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : namen) {
        const QStringList teile = name.mid(ziel.fileName().size() + 1).split(u'.');
        if (teile.size() != 4)
            continue;
        bool zahl; // set by toLongLong
        const qint64 pid = teile[1].toLongLong(&zahl);
        const bool hier = teile[0] == eigenerRechner;
        const bool tot = hier && zahl && pid > 0 && ::kill(pid_t(pid), 0) != 0 && errno == ESRCH;
        const bool alt = QFileInfo(ordner.filePath(name)).lastModified().toUTC() < vorEinerStunde;
        if (tot || alt)
            QFile::remove(ordner.filePath(name));
    }
}

} // namespace zafku
