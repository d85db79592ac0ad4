#include "HostQuelle.h"

#include "Material.h"
#include "platform/HostTextFile.h"
#include "platform/LaufzeitFehler.h"
#include "rdb/KategorienTabelle.h"
#include "vokradb/DatenbankBau.h"

#include <QDir>
#include <QFileInfo>

namespace zafku::wortcheck {

HostQuelle leseHost(const QString& hostDir, const QString& befundeDir,
                    QList<material::QuellFehler>& fehler) {
    const QDir dir(hostDir);
    HostQuelle q;
    q.tspPfad = dir.filePath(QStringLiteral("Vokra.tsp"));
    const QString woerter = dir.filePath(QStringLiteral("woerter"));
    q.befundeDir = befundeDir.isEmpty() ? woerter : befundeDir;
    if (QFileInfo(woerter).isDir()) {
        q.tspText = leseUtf8(q.tspPfad);
        q.kmp = leseKmpQuellen(dir.filePath(QStringLiteral("kmp")), fehler);
        q.woerter = material::leseWortDateien(woerter, fehler);
        q.hilfeDir = dir.filePath(QStringLiteral("hilfe/Vesk"));
    } else {
        q.tspText = readHostText(q.tspPfad);
        const QString kmp = dir.filePath(QStringLiteral("Vokra.kmp"));
        if (const auto text = readHostText(kmp)) {
            const QStringList zeilen = splitHostLines(*text);
            for (int i = 0; i < zeilen.size(); ++i)
                q.kmp.append({zeilen[i], kmp, i + 1});
        } else {
            fehler.append({kmp, 0, QStringLiteral("Datei kann nicht gelesen werden")});
        }
        const QString mdb = dir.filePath(QStringLiteral("Vokra-D.mdb"));
        try {
            q.woerter =
                material::leseDatenbank(leseKategorienCodes(q.tspText.value_or(QString())), mdb);
        } catch (const LaufzeitFehler& f) {
            fehler.append({mdb, 0, f.text()});
        }
        q.hilfeDir = dir.filePath(QStringLiteral("Vesk"));
    }
    if (!q.tspText)
        fehler.append({q.tspPfad, 0, QStringLiteral("Datei kann nicht gelesen werden")});
    return q;
}

} // namespace zafku::wortcheck
