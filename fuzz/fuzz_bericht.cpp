// The learning report over one protocol file of any bytes and any name: every text of the
// file reaches the page escaped, and the page grows at most in step with the file; a file
// of nothing but unusable lines gives a page of bounded size.
#include "FuzzHilfe.h"

#include "bericht/Bericht.h"
#include "bericht/BerichtHtml.h"

#include <QDateTime>
#include <QRegularExpression>

#include <fcntl.h>
#include <unistd.h>

using namespace zafku;
using namespace zafku::bericht;

namespace {

// The report reads Vokra.kmp on every run: a handful of exercises keeps that short, and
// protocols name only a few anyway.
void kopiere(const FuzzHost& host, const char* name, int zeilen) {
    QFile quelle(QStringLiteral(ZAFKU_HOST_DIR "/") + QLatin1String(name));
    if (!quelle.open(QIODevice::ReadOnly))
        std::abort();
    QByteArray bytes;
    for (int i = 0; i < zeilen && !quelle.atEnd(); ++i)
        bytes += quelle.readLine();
    host.write(QLatin1String(name), bytes);
}

// Tags and entities the page itself writes; escaped text can bring no others.
bool nurEigeneTags(const QString& html) {
    static const QRegularExpression tag(QStringLiteral(
        "<(?!/?(html|head|meta|title|style|body|header|h1|h2|h3|p|section|table|tr|th|td|"
        "span|ul|ol|li|a|code|svg|text|rect)[ >/])(?!!DOCTYPE html>)"));
    static const QRegularExpression entitaet(QStringLiteral("&(?!(lt|gt|amp|quot);)"));
    return !tag.match(html).hasMatch() && !entitaet.match(html).hasMatch();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const FuzzHost host;
    static const bool bereit = [] {
        kopiere(host, "Vokra-D.mdb", 1 << 30);
        kopiere(host, "Vokra.tsp", 1 << 30);
        kopiere(host, "Vokra.kmp", 4);
        return true;
    }();
    (void)bereit;
    if (size < 1)
        return 0;
    // The first byte gives the length of the file name, which may be any bytes but '/'.
    const size_t namensLaenge = std::min<size_t>(data[0] % 24, size - 1);
    QByteArray name(reinterpret_cast<const char*>(data + 1), qsizetype(namensLaenge));
    name.replace('/', '_').replace('\0', '_');
    const QByteArray inhalt(reinterpret_cast<const char*>(data + 1 + namensLaenge),
                            qsizetype(size - 1 - namensLaenge));
    const QByteArray pfad = QFile::encodeName(host.file(QStringLiteral("User/"))) + name + ".tmp";
    const int fd = ::open(pfad.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    PRUEFE(fd >= 0 && ::write(fd, inhalt.constData(), size_t(inhalt.size())) == inhalt.size(),
           "test file written");
    ::close(fd);

    const Bericht b = erstelleBericht(host.path());
    ::unlink(pfad.constData());
    const QString html = berichtHtml(b, QDateTime(QDate(2026, 3, 2), QTime(9, 30)));
    PRUEFE(b.kinder.size() <= 1, "one child per file");
    PRUEFE(nurEigeneTags(html), "every text escaped");
    // Each usable line adds at most a few table rows; named unusable lines are few.
    PRUEFE(html.size() <= 40000 + 300 * qsizetype(size), "page in step with the file");
    if (!b.kinder.isEmpty() && b.kinder[0].antworten == 0)
        PRUEFE(html.size() <= 40000, "unusable lines are quoted shortened");
    return 0;
}
