#include "SpielBilanz.h"

#include "SitzungsDaten.h"
#include "platform/AtomicReplace.h"
#include "platform/HostPath.h"
#include "platform/HostTextFile.h"

#include <QFile>

namespace zafku {

SpielBilanz bilanz(const SitzungsDaten& daten) {
    SpielBilanz b;
    int bester = -1;
    bool gleich = false;
    for (int i = 0; i < daten.nSpieler && i < SitzungsDaten::maxZeilen; ++i) {
        const auto& p = daten.punkte[i];
        b.plaetze.append({daten.spielerDatei[i], daten.spielerName[i], p[0], p[1]});
        if (bester < 0 || p[0] > daten.punkte[bester][0]) {
            bester = i;
            gleich = false;
        } else if (p[0] == daten.punkte[bester][0]) {
            gleich = true;
        }
    }
    if (b.plaetze.size() > 1 && !gleich)
        b.gewinner = daten.spielerName[bester];
    return b;
}

QString bilanzDatei(const QString& userPfad, const QString& datei) {
    return resolveHostPath(userPfad, datei + QStringLiteral(".ergebnis"));
}

bool schreibeBilanz(const SitzungsDaten& daten) {
    if (daten.nSpieler < 1 || daten.spielerDatei[0].isEmpty())
        return false;
    const SpielBilanz b = bilanz(daten);
    QString text;
    for (const SpielBilanz::Platz& p : b.plaetze)
        text += QStringLiteral("Platz\t%1\t%2\t%3\t%4\n")
                    .arg(controlsAsBlanks(p.datei))
                    .arg(p.punkte)
                    .arg(p.zafkus)
                    .arg(controlsAsBlanks(p.name));
    text += QStringLiteral("Gewinner\t%1\n").arg(controlsAsBlanks(b.gewinner));
    return replaceFileAtomically(bilanzDatei(daten.userPfad, daten.spielerDatei[0]), text.toUtf8())
        .ok;
}

std::optional<SpielBilanz> leseBilanz(const QString& pfad) {
    // Only a regular file of a few players' lines: a FIFO or a huge file planted in User/
    // must not hold up the start window.
    bool zuLang = false;
    const auto bytes = readRegularFile(QFile::encodeName(pfad), 64 * 1024, nullptr, &zuLang);
    if (!bytes || zuLang)
        return std::nullopt;
    QStringList zeilen = QString::fromUtf8(*bytes).split(u'\n');
    static const QString kGewinner = QStringLiteral("Gewinner\t");
    if (zeilen.size() < 2 || !zeilen.takeLast().isEmpty() || !zeilen.last().startsWith(kGewinner))
        return std::nullopt;
    SpielBilanz b;
    b.gewinner = zeilen.takeLast().mid(kGewinner.size());
    for (const QString& zeile : zeilen) {
        const QStringList teile = zeile.split(u'\t');
        bool zahlen[2] = {false, false};
        if (teile.size() != 5 || teile[0] != QLatin1String("Platz"))
            return std::nullopt;
        b.plaetze.append(
            {teile[1], teile[4], teile[2].toInt(&zahlen[0]), teile[3].toInt(&zahlen[1])});
        if (!zahlen[0] || !zahlen[1])
            return std::nullopt;
    }
    return b;
}

} // namespace zafku
