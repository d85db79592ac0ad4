#include "Klassenliste.h"

#include "platform/AtomicReplace.h"
#include "platform/HostLock.h"
#include "platform/HostPath.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>

namespace zafku::bericht {

namespace {

const QString kDatei = QStringLiteral("User/Klasse.txt");

bool erlaubteDatei(const QString& datei) {
    static const QRegularExpression muster(QStringLiteral("^[a-z0-9_]{1,30}$"));
    return muster.match(datei).hasMatch();
}

// User may be a planted link; the list is written only inside the host folder.
bool imHostOrdner(const QString& user, const QString& appPfad) {
    const QString echt = QFileInfo(user).canonicalFilePath();
    const QString host = QFileInfo(appPfad).canonicalFilePath();
    return !echt.isEmpty() && !host.isEmpty() && echt.startsWith(host + u'/');
}

} // namespace

Klassenliste leseKlassenliste(const QByteArray& text) {
    Klassenliste liste;
    QSet<QString> dateien;
    const QStringList zeilen = QString::fromUtf8(text).split(u'\n');
    for (int i = 0; i < zeilen.size(); ++i) {
        const QString zeile = zeilen[i].trimmed();
        if (zeile.isEmpty() || zeile.startsWith(u'#'))
            continue;
        const qsizetype tab = zeile.indexOf(u'\t');
        const KlassenKind kind{zeile.mid(tab + 1).trimmed(), zeile.left(tab).trimmed()};
        if (tab < 0 || kind.name.isEmpty() || !erlaubteDatei(kind.datei)) {
            liste.fehler.append(
                QStringLiteral("Zeile %1 der Klassenliste ist unverständlich: „%2“.")
                    .arg(i + 1)
                    .arg(zeile));
        } else if (dateien.contains(kind.datei)) {
            liste.fehler.append(QStringLiteral("Zeile %1 der Klassenliste: die Datei „%2“ hat "
                                               "schon ein anderes Kind.")
                                    .arg(i + 1)
                                    .arg(kind.datei));
        } else {
            dateien.insert(kind.datei);
            liste.kinder.append(kind);
        }
    }
    return liste;
}

QByteArray klassenlistenText(const QList<KlassenKind>& kinder) {
    QByteArray text = "# Klassenliste von Zafku: Protokolldatei, Tabulator, Name des Kindes\n";
    for (const KlassenKind& k : kinder)
        text += (k.datei + u'\t' + k.name + u'\n').toUtf8();
    return text;
}

Klassenliste ladeKlassenliste(const QString& appPfad) {
    QFile datei(resolveHostPath(appPfad, kDatei));
    if (!datei.exists())
        return {};
    if (!datei.open(QIODevice::ReadOnly))
        return {{},
                {QStringLiteral("Die Klassenliste %1 kann nicht gelesen werden.")
                     .arg(QDir::toNativeSeparators(datei.fileName()))}};
    return leseKlassenliste(datei.readAll());
}

QString speichereKlassenliste(const QString& appPfad, const QList<KlassenKind>& kinder) {
    const QString user = resolveHostPath(appPfad, QStringLiteral("User"));
    QDir().mkpath(user);
    if (!imHostOrdner(user, appPfad))
        return QStringLiteral("Der Ordner %1 liegt nicht im Spielordner; die Klassenliste wird "
                              "dort nicht gespeichert.")
            .arg(QDir::toNativeSeparators(user));
    const HostLock sperre(appPfad, std::chrono::seconds(5));
    if (!sperre.held())
        return sperre.error();
    const ReplaceResult r =
        replaceFileAtomically(resolveHostPath(appPfad, kDatei), klassenlistenText(kinder));
    return r.ok ? QString()
                : QStringLiteral("Die Klassenliste kann nicht gespeichert werden: %1").arg(r.error);
}

} // namespace zafku::bericht
