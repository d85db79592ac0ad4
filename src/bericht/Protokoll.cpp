#include "Protokoll.h"

#include "platform/HostTextFile.h"
#include "platform/Windows1252.h"

#include <QStringDecoder>

#include <algorithm>

namespace zafku::bericht {

std::optional<Antwort> leseZeile(const QString& zeile) {
    const qsizetype gleich = zeile.indexOf(QLatin1String("= "));
    if (gleich <= 0 || gleich + 2 >= zeile.size())
        return std::nullopt;
    bool zahl = false;
    const int refNr = QStringView(zeile).left(gleich).toInt(&zahl);
    // The game writes a 16-bit number without blanks or a plus sign.
    if (!zahl || refNr < -32768 || refNr > 32767 || zeile[0] == u'+' || zeile[0].isSpace())
        return std::nullopt;
    Antwort a;
    a.refNr = refNr;
    a.geschrieben = zeile.mid(gleich + 2);
    a.ok = a.geschrieben == QLatin1String("OK");
    if (a.ok)
        a.geschrieben.clear();
    return a;
}

namespace {

QString kodierung(const QByteArray& bytes) {
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QStringLiteral("UTF-8");
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF") || bytes.contains('\0'))
        return QStringLiteral("UTF-16");
    const bool nurAscii =
        std::all_of(bytes.begin(), bytes.end(), [](char c) { return uchar(c) < 0x80; });
    if (nurAscii)
        return {};
    // Umlauts in Windows-1252 are lone high bytes, which UTF-8 never allows.
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString probe = utf8(bytes);
    return utf8.hasError() ? QString() : QStringLiteral("UTF-8");
}

} // namespace

ProtokollDatei leseProtokoll(const QByteArray& bytes) {
    ProtokollDatei datei;
    datei.fremdeKodierung = kodierung(bytes);
    const QString text = datei.fremdeKodierung.isEmpty()
                             ? decodeWindows1252(bytes)
                             : QString::fromUtf8(bytes).remove(QChar(0));
    const QStringList zeilen = splitHostLines(text);
    for (int i = 0; i < zeilen.size(); ++i)
        if (!zeilen[i].trimmed().isEmpty())
            datei.zeilen.append({i + 1, zeilen[i]});
    return datei;
}

} // namespace zafku::bericht
