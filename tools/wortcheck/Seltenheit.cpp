#include "Grundwortschatz.h"
#include "Pruefungen.h"

#include <QDir>

namespace zafku::wortcheck {

void pruefeSeltenheit(Material& m, const QString& befundeDir, QList<QuellFehler>& fehler) {
    const QDir dir(befundeDir);
    const QString pfad = dir.filePath(QStringLiteral("grundwortschatz.lst"));
    // The core list and the reviewed words children know beyond it.
    const Grundwortschatz gws(
        leseUtf8(pfad).value_or(QString()) + u'\n' +
        leseUtf8(dir.filePath(QStringLiteral("bekannte_woerter.lst"))).value_or(QString()));
    if (gws.leer()) {
        fehler.append({pfad, 0, QStringLiteral("Grundwortschatz fehlt")});
        return;
    }
    QSet<QString> gesehen;
    for (const Stelle& s : m.stellen) {
        const WortEintrag& w = *s.wort;
        if (gesehen.contains(w.wort) || gws.enthaelt(w.wort))
            continue;
        gesehen.insert(w.wort);
        if (!m.istGeprueft(QStringLiteral("Wortschatz ") + w.wort))
            fehler.append({w.datei, w.zeile,
                           QStringLiteral("\"%1\" gehört nicht zum Grundwortschatz und ist nicht "
                                          "aus ihm gebildet")
                               .arg(w.wort)});
    }
}

} // namespace zafku::wortcheck
