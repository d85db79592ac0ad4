#include "Protokoll.h"

#include "platform/HostTextFile.h"
#include "platform/Windows1252.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>

#include <dirent.h>

#include <algorithm>

namespace zafku::bericht {

std::optional<Antwort> leseZeile(const QString& zeile) {
    const qsizetype gleich = zeile.indexOf(QLatin1String("= "));
    if (gleich <= 0 || gleich + 2 >= zeile.size())
        return std::nullopt;
    bool zahl; // set by toInt
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

ProtokollDatei leseProtokollDatei(const QByteArray& pfad) {
    HostTextError fehler = HostTextError::None;
    bool abgeschnitten = false;
    auto bytes = readRegularFile(pfad, kMaxProtokollBytes, &fehler, &abgeschnitten);
    if (!bytes) {
        ProtokollDatei datei;
        datei.dateiFehler =
            fehler == HostTextError::NotAFile
                ? QStringLiteral("Die Datei ist keine gewöhnliche Datei (etwa ein Gerät oder "
                                 "eine Verknüpfung dorthin) und wurde nicht gelesen.")
                : QStringLiteral("Die Datei kann nicht gelesen werden (fehlt die "
                                 "Leseberechtigung?).");
        return datei;
    }
    // The cut-off tail would be one damaged line more.
    if (abgeschnitten)
        bytes->truncate(std::max(bytes->lastIndexOf('\n'), bytes->lastIndexOf('\r')) + 1);
    ProtokollDatei datei = leseProtokoll(*bytes);
    if (abgeschnitten)
        datei.dateiFehler = QStringLiteral("Die Datei ist größer als %1 MB; gelesen wurde "
                                           "nur ihr Anfang bis Zeile %2.")
                                .arg(kMaxProtokollBytes >> 20)
                                .arg(datei.zeilen.isEmpty() ? 0 : datei.zeilen.last().nummer);
    return datei;
}

QList<ProtokollName> protokollNamen(const QString& appPfad) {
    QList<ProtokollName> namen;
    QDir user(appPfad);
    for (const QString& eintrag : user.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        if (eintrag.compare(QLatin1String("User"), Qt::CaseInsensitive) == 0)
            user.setPath(user.filePath(eintrag));
    const QByteArray pfad = QFile::encodeName(user.path());
    DIR* dir = ::opendir(pfad.constData());
    if (!dir)
        return namen;
    while (const dirent* e = ::readdir(dir)) {
        const QByteArray roh(e->d_name);
        if (roh.size() < 5 || roh.right(4).toLower() != ".tmp" || e->d_type == DT_DIR)
            continue;
        QStringDecoder utf8(QStringDecoder::Utf8);
        ProtokollName n{pfad + '/' + roh, utf8(roh.chopped(4)), true};
        if (utf8.hasError()) {
            n.basis = decodeWindows1252(roh.chopped(4));
            n.utf8 = false;
        }
        namen.append(n);
    }
    ::closedir(dir);
    std::sort(namen.begin(), namen.end(), [](const ProtokollName& a, const ProtokollName& b) {
        return a.basis.compare(b.basis, Qt::CaseInsensitive) < 0;
    });
    return namen;
}

QString zitat(const QString& zeile) {
    constexpr int kZitatLaenge = 80;
    if (zeile.size() <= kZitatLaenge)
        return zeile;
    return zeile.left(kZitatLaenge) +
           QStringLiteral(" … (%1 weitere Zeichen)").arg(zeile.size() - kZitatLaenge);
}

} // namespace zafku::bericht
