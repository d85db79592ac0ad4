#include "Pruefungen.h"

#include "aussprache/Lautschrift.h"
#include "aussprache/Vokallaenge.h"

namespace zafku::wortcheck {

void pruefeAussprache(Material& m, int& vorher, QList<QuellFehler>& fehler) {
    aussprache::Lautschrift* laute = aussprache::Lautschrift::deutsch();
    if (!laute) {
        fehler.append({QStringLiteral("espeak-ng"), 0,
                       QStringLiteral("espeak-ng mit deutscher Stimme fehlt")});
        return;
    }
    vorher = 0;
    QSet<QString> gemeldet;
    for (const Stelle& s : m.stellen) {
        const WortEintrag& w = *s.wort;
        const auto widerspruch = [&](const QString& text) {
            return aussprache::widerspruch(s.code, w.wort, s.vonPos, s.richtig,
                                           laute->phoneme(text));
        };
        if (!widerspruch(w.wort).isEmpty())
            ++vorher;
        const QString bleibt =
            w.aussprache.isEmpty() ? widerspruch(w.wort) : widerspruch(w.aussprache);
        const QString schluessel = QStringLiteral("Aussprache ") + w.wort;
        if (bleibt.isEmpty() || gemeldet.contains(schluessel) || m.istGeprueft(schluessel))
            continue;
        gemeldet.insert(schluessel);
        fehler.append({w.datei, w.zeile,
                       QStringLiteral("espeak-ng spricht in \"%1\" %2 (Übung %3)")
                           .arg(w.wort, bleibt, s.code)});
    }
}

} // namespace zafku::wortcheck
