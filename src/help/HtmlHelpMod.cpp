#include "HtmlHelpMod.h"

#include "platform/HostPath.h"
#include "glob/SitzungsDaten.h"

#include <QFileInfo>

namespace zafku {

namespace {

// Topic of katNr k in a group: basis + k - versatz.
struct ThemenGruppe {
    int bis; // last katNr of the group
    int basis;
    int versatz;
};

// The category help numbers its topics by the twelve groups of the category list.
constexpr ThemenGruppe kGruppen[] = {
    {10, 1000, 0},  {17, 1100, 10}, {20, 1200, 17}, {25, 1300, 20}, {27, 1400, 25}, {30, 1500, 27},
    {33, 1600, 30}, {39, 1700, 31}, {41, 1800, 39}, {46, 1900, 41}, {49, 2000, 46}, {52, 2100, 49},
};

} // namespace

void initHilfe(SitzungsDaten& daten) {
    const int k = daten.katNr;
    if (k < 1)
        return;
    for (const ThemenGruppe& gruppe : kGruppen) {
        if (k <= gruppe.bis) {
            daten.katHilfeNr = gruppe.basis + k - gruppe.versatz;
            return;
        }
    }
}

QString hilfeOrdner(const QString& hilfeDatei) {
    const QFileInfo datei(hilfeDatei);
    return resolveHostPath(datei.path(), datei.completeBaseName());
}

QString hilfeSeite(const QString& hilfeDatei, long thema) {
    const QString ordner = hilfeOrdner(hilfeDatei);
    if (thema >= 0) {
        const QString seite =
            resolveHostPath(ordner, QString::number(thema) + QStringLiteral(".html"));
        if (QFileInfo(seite).isFile())
            return seite;
    }
    return resolveHostPath(ordner, QStringLiteral("index.html"));
}

QString hilfeTitel(const QString& hilfeDatei) {
    const QString name = QFileInfo(hilfeDatei).completeBaseName();
    if (name.compare(QLatin1String("Vesk"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("Übungsschwerpunkte – Hilfe");
    return name + QStringLiteral(" – Hilfe");
}

} // namespace zafku
