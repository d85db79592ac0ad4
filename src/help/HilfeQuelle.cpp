#include "HilfeQuelle.h"

#include "platform/HostTextFile.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <cctype>

namespace zafku {

namespace {

bool leer(const QByteArray& name) {
    static const char* const kLeere[] = {"area",  "base",   "br",    "col",  "embed",
                                         "hr",    "img",    "input", "link", "meta",
                                         "param", "source", "track", "wbr"};
    return std::any_of(std::begin(kLeere), std::end(kLeere),
                       [&](const char* l) { return name == l; });
}

} // namespace

int verschachtelung(const QByteArray& html, const QByteArray& nurElement) {
    int tiefe = 0, tiefste = 0;
    const qsizetype n = html.size();
    // The end of the tag being read; sought again only once passed, so a page of
    // unclosed tags costs one pass, not one per tag.
    qsizetype zu = -1;
    for (qsizetype i = 0; i < n; ++i) {
        if (html[i] != '<' || i + 1 >= n)
            continue;
        if (QByteArrayView(html).sliced(i).startsWith("<!--")) {
            const qsizetype ende = html.indexOf("-->", i + 4);
            if (ende < 0)
                break;
            i = ende + 2;
            continue;
        }
        const bool schliessend = html[i + 1] == '/';
        qsizetype j = i + (schliessend ? 2 : 1);
        const qsizetype anfang = j;
        while (j < n && std::isalnum(uchar(html[j])))
            ++j;
        if (j == anfang)
            continue;
        const QByteArray name = html.mid(anfang, j - anfang).toLower();
        if (!nurElement.isEmpty() && name != nurElement)
            continue;
        if (schliessend) {
            tiefe = std::max(0, tiefe - 1);
            continue;
        }
        if (zu < j) {
            zu = html.indexOf('>', j);
            if (zu < 0)
                zu = n;
        }
        const bool selbst = zu < n && html[zu - 1] == '/';
        if (!selbst && !leer(name))
            tiefste = std::max(tiefste, ++tiefe);
    }
    return tiefste;
}

std::optional<QByteArray> leseHilfeQuelle(const QString& ordner, const QString& pfad, bool seite) {
    const QString wurzel = QFileInfo(ordner).canonicalFilePath();
    const QString ziel = QFileInfo(pfad).canonicalFilePath();
    if (wurzel.isEmpty() || !ziel.startsWith(wurzel + u'/'))
        return std::nullopt;
    bool zuGross = false;
    auto bytes = readRegularFile(QFile::encodeName(ziel), seite ? kMaxHilfeSeite : kMaxHilfeBild,
                                 nullptr, &zuGross);
    if (!bytes || zuGross ||
        (seite && (verschachtelung(*bytes) > kMaxHilfeTiefe ||
                   verschachtelung(*bytes, "table") > kMaxTabellenTiefe)))
        return std::nullopt;
    return bytes;
}

QByteArray hilfeErsatzSeite() {
    return QStringLiteral("<html><head><meta charset=\"utf-8\"></head><body><p>Diese Hilfeseite "
                          "kann nicht angezeigt werden: sie ist "
                          "zu groß oder beschädigt.</p></body></html>")
        .toUtf8();
}

} // namespace zafku
