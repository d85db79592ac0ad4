#include "Ziehungen.h"

#include <algorithm>

namespace zafku::wortcheck {

QString Auswahlbild::groessteAntwort() const {
    QString beste;
    for (auto it = antworten.begin(); it != antworten.end(); ++it)
        if (beste.isEmpty() || it.value() > antworten.value(beste))
            beste = it.key();
    return beste;
}

double Auswahlbild::groessterAnteil() const {
    return gewicht > 0 ? antworten.value(groessteAntwort()) / gewicht : 0;
}

QList<Ziehung> gewichte(QList<Ziehung> liste1, QList<Ziehung> liste2) {
    for (QList<Ziehung>* liste : {&liste1, &liste2})
        for (Ziehung& z : *liste)
            z.gewicht = 0.5 / liste->size();
    return liste1 + liste2;
}

QList<Auswahlbild> auswahlBilder(const QList<Ziehung>& ziehungen) {
    QList<Auswahlbild> bilder;
    for (const Ziehung& z : ziehungen) {
        auto it = std::find_if(bilder.begin(), bilder.end(),
                               [&](const Auswahlbild& b) { return b.auswahl == z.auswahl; });
        if (it == bilder.end()) {
            bilder.append({z.auswahl, {}, 0});
            it = bilder.end() - 1;
        }
        it->antworten[z.richtig] += z.gewicht;
        it->gewicht += z.gewicht;
    }
    std::sort(bilder.begin(), bilder.end(),
              [](const Auswahlbild& a, const Auswahlbild& b) { return a.gewicht > b.gewicht; });
    return bilder;
}

double verratenAnteil(const QList<Auswahlbild>& bilder) {
    double anteil = 0;
    for (const Auswahlbild& b : bilder)
        if (b.antworten.size() < 2)
            anteil += b.gewicht;
    return anteil;
}

QList<QSet<QString>> gegensaetze(const QList<SchreibPaar>& paare) {
    QList<QSet<QString>> gruppen;
    for (const SchreibPaar& p : paare) {
        QSet<QString> neu{p.schreibung1, p.schreibung2};
        QList<QSet<QString>> rest;
        int erste = -1;
        for (int i = 0; i < gruppen.size(); ++i) {
            if (gruppen[i].intersects(neu)) {
                neu.unite(gruppen[i]);
                if (erste < 0)
                    erste = static_cast<int>(rest.size());
            } else {
                rest.append(gruppen[i]);
            }
        }
        // A merged group keeps the place of the earliest group it joins.
        if (erste < 0)
            rest.append(neu);
        else
            rest.insert(erste, neu);
        gruppen = rest;
    }
    return gruppen;
}

bool inDoppeltemMitlaut(const QString& wort, int vonPos, int laenge) {
    static const QString selbstlaute = QStringLiteral("aeiouäöüy");
    const auto gleicherMitlaut = [&](int a, int b) {
        if (a < 0 || b < 0 || a >= wort.size() || b >= wort.size() || laenge < 1)
            return false;
        const QChar x = wort[a].toLower();
        return x == wort[b].toLower() && x.isLetter() && !selbstlaute.contains(x);
    };
    const int start = vonPos - 1;
    const int ende = start + laenge - 1;
    return gleicherMitlaut(start - 1, start) || gleicherMitlaut(ende, ende + 1);
}

} // namespace zafku::wortcheck
