#include "Lesestand.h"

#include "platform/HostTextFile.h"
#include "platform/Windows1252.h"

#include <QCryptographicHash>

#include <algorithm>

namespace zafku::kartei {

namespace {

// Long enough to be found again only where it was, short enough to survive a cut.
constexpr int kAnkerZeilen = 3;
constexpr qsizetype kAnkerBytes = 512;

QByteArray anker(const QByteArray& ganz) {
    qsizetype ab = ganz.size() - 1;
    for (int n = 0; n < kAnkerZeilen && ab > 0; ++n)
        ab = ganz.lastIndexOf('\n', ab - 1);
    return ganz.mid(std::max(ab + 1, ganz.size() - kAnkerBytes));
}

QByteArray hashVon(const QByteArray& bytes) {
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
}

int zeilenIn(const QByteArray& bytes) {
    return int(splitHostLines(decodeWindows1252(bytes)).size());
}

} // namespace

NeueZeilen neueZeilen(const QByteArray& bytes, const Lesestand& alt) {
    // A line still being written is read next time.
    const QByteArray ganz = bytes.left(bytes.lastIndexOf('\n') + 1);
    NeueZeilen neu;
    qsizetype ab = 0;
    int zeilenVorher = 0;
    if (alt.groesse == 0 ||
        (alt.groesse <= ganz.size() && hashVon(ganz.left(alt.groesse)) == alt.hash)) {
        ab = alt.groesse;
        zeilenVorher = alt.zeilen;
    } else {
        neu.neueDatei = true;
        const qsizetype gefunden = alt.anker.isEmpty() ? -1 : ganz.lastIndexOf(alt.anker);
        if (gefunden >= 0) {
            ab = gefunden + alt.anker.size();
            zeilenVorher = zeilenIn(ganz.left(ab));
        }
    }
    const QByteArray rest = ganz.mid(ab);
    for (bericht::ProtokollZeile z : bericht::leseProtokoll(rest).zeilen) {
        z.nummer += zeilenVorher;
        neu.zeilen.append(z);
    }
    neu.stand = {ganz.size(), hashVon(ganz), anker(ganz), zeilenVorher + zeilenIn(rest)};
    return neu;
}

} // namespace zafku::kartei
