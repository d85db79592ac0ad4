#include "Uebung.h"

#include "bericht/Lehrmaterial.h"

#include <QSet>

namespace zafku::starter {

namespace {

constexpr int kKontrastJeWort = 2;

} // namespace

QString uebungsTipp() {
    return QStringLiteral("Das sind deine Übungswörter. Schau genau hin, wo du dich vertan hast!");
}

Uebung planeUebung(bericht::Lehrmaterial& material, const QList<int>& faellig) {
    Uebung uebung;
    QSet<int> vergeben(faellig.begin(), faellig.end());
    for (const int refNr : faellig) {
        const auto wahl = bericht::waehleStelle(material, refNr);
        if (!wahl) {
            uebung.ohneStelle.append(refNr);
            continue;
        }
        uebung.woerter.append(*wahl);
        uebung.kontrast += bericht::sucheKontrast(material, *wahl, kKontrastJeWort, vergeben);
    }
    if (!uebung.woerter.isEmpty())
        uebung.kennung = uebung.woerter.first().code;
    return uebung;
}

} // namespace zafku::starter
