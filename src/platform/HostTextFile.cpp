#include "HostTextFile.h"

#include "AtomicReplace.h"

#include "Windows1252.h"

#include <QFile>

#include <algorithm>
#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zafku {

std::optional<QByteArray> readRegularFile(const QByteArray& nativePath, qint64 limit,
                                          HostTextError* error, bool* cut) {
    HostTextError ignored;
    HostTextError& why = error ? *error : ignored;
    why = HostTextError::None;
    if (cut)
        *cut = false;
    // Non-blocking, so that opening a FIFO returns at once instead of waiting for a writer.
    const int fd = ::open(nativePath.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        why = errno == ENOENT ? HostTextError::Missing : HostTextError::Unreadable;
        return std::nullopt;
    }
    struct stat info {};
    QByteArray bytes;
    if (::fstat(fd, &info) != 0) {
        why = HostTextError::Unreadable;
    } else if (!S_ISREG(info.st_mode)) {
        why = HostTextError::NotAFile;
    } else {
        // Reads one byte past the limit: the file may have grown since fstat.
        bytes.resize(qsizetype(std::min<qint64>(info.st_size, limit) + 1));
        qsizetype got = 0;
        while (got < bytes.size()) {
            const ssize_t n = ::read(fd, bytes.data() + got, size_t(bytes.size() - got));
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0) {
                why = HostTextError::Unreadable;
                break;
            }
            if (n == 0)
                break;
            got += n;
            if (got == bytes.size() && got <= limit)
                bytes.resize(std::min<qsizetype>(bytes.size() * 2, limit + 1));
        }
        bytes.truncate(std::min<qint64>(got, limit));
        if (cut)
            *cut = got > limit;
    }
    ::close(fd);
    if (why != HostTextError::None)
        return std::nullopt;
    return bytes;
}

std::optional<QString> readHostText(const QString& path, HostTextError* error) {
    bool cut = false;
    const auto bytes = readRegularFile(QFile::encodeName(path), kMaxHostTextBytes, error, &cut);
    if (bytes && cut) {
        if (error)
            *error = HostTextError::TooLarge;
        return std::nullopt;
    }
    if (!bytes)
        return std::nullopt;
    return decodeWindows1252(*bytes);
}

QStringList splitHostLines(const QString& text) {
    QStringList lines;
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (text[i] != u'\r' && text[i] != u'\n')
            continue;
        lines.append(text.mid(start, i - start));
        if (text[i] == u'\r' && i + 1 < n && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < n)
        lines.append(text.mid(start));
    return lines;
}

QByteArray hostLinesBytes(const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += encodeWindows1252(line);
        bytes += "\r\n";
    }
    return bytes;
}

bool writeHostLinesAtomically(const QString& path, const QStringList& lines) {
    return replaceFileAtomically(path, hostLinesBytes(lines)).ok;
}

QString controlsAsBlanks(QString text) {
    for (QChar& c : text)
        if (c.unicode() < 0x20)
            c = u' ';
    return text;
}

} // namespace zafku
