#include "Woche.h"

#include <QRegularExpression>

#include <algorithm>

namespace zafku::eigene {

namespace {

constexpr int kKontrastJeSatz = 2;
const QString kDatumsformat = QStringLiteral("dd.MM.yyyy");

QString aufzaehlung(const QStringList& teile, const QString& und) {
    if (teile.size() < 2)
        return teile.join(QString());
    return teile.mid(0, teile.size() - 1).join(QStringLiteral(", ")) + u' ' + und + u' ' +
           teile.last();
}

} // namespace

QString wochenSchluessel() {
    return QStringLiteral("WOCHE");
}

QString wochenSchluessel(const QDate& datum) {
    return u'W' + datum.toString(QStringLiteral("yyyyMMdd"));
}

bool istWochenSchluessel(const QString& schluessel) {
    static const QRegularExpression datiert(QStringLiteral("^W\\d{8}$"));
    return schluessel == wochenSchluessel() || datiert.match(schluessel).hasMatch();
}

QString wochenTipp(const QDate& datum) {
    return QStringLiteral("Die Wörter der Woche vom %1. Schau genau hin, wie sie geschrieben "
                          "werden!")
        .arg(datum.toString(kDatumsformat));
}

QDate tippDatum(const QString& tipp) {
    static const QRegularExpression datum(QStringLiteral("vom (\\d\\d\\.\\d\\d\\.\\d{4})"));
    const auto m = datum.match(tipp);
    return m.hasMatch() ? QDate::fromString(m.captured(1), kDatumsformat) : QDate();
}

Woche planeWoche(bericht::Lehrmaterial& material, const QList<int>& woerter,
                 const QSet<int>& eigene) {
    Woche w;
    bericht::Uebung& u = w.uebung;
    u.kennung = wochenSchluessel();
    for (const int refNr : woerter) {
        auto wahl = bericht::waehleStelle(material, refNr);
        if (!wahl) {
            u.ohneStelle.append(refNr);
            continue;
        }
        u.woerter.append(*wahl);
    }
    QSet<int> vergeben = eigene;
    QStringList gruende;
    const auto nimmDazu = [&](const bericht::UebungsWort& fuer) {
        QStringList namen;
        for (const bericht::UebungsWort& k :
             bericht::sucheKontrast(material, fuer, kKontrastJeSatz, vergeben)) {
            namen.append(k.wort);
            w.zugenommen.append(QStringLiteral("%1 (%2)").arg(k.wort, k.schreibung));
            u.kontrast.append(k);
        }
        if (!namen.isEmpty())
            gruende.append(QStringLiteral("%1 zu %2")
                               .arg(aufzaehlung(namen, QStringLiteral("und")), fuer.schreibung));
        return !namen.isEmpty();
    };
    // Contrast words change the pair table and with it the sets: look again until every
    // set has two answers or no word is left to try.
    QSet<int> versucht;
    for (QStringList verraten = bericht::verrateneSaetze(u); !verraten.isEmpty();
         verraten = bericht::verrateneSaetze(u)) {
        const auto fuer = std::find_if(u.woerter.cbegin(), u.woerter.cend(), [&](const auto& x) {
            return !versucht.contains(x.refNr) &&
                   verraten.contains(bericht::auswahlSatz(u, x, false));
        });
        if (fuer == u.woerter.cend())
            break;
        versucht.insert(fuer->refNr);
        nimmDazu(*fuer);
    }
    if (!gruende.isEmpty()) {
        w.hinweis = QStringLiteral("Aus dem Spiel kommen %1 dazu, denn sonst wäre dort immer "
                                   "dieselbe Schreibung richtig und die Auswahl verriete die "
                                   "Lösung.")
                        .arg(aufzaehlung(gruende, QStringLiteral("sowie")));
        return w;
    }
    // The game draws every second task from list 2: it must not stay empty.
    if (std::any_of(u.woerter.cbegin(), u.woerter.cend(), nimmDazu))
        w.hinweis = QStringLiteral("Aus dem Spiel kommen %1 dazu, denn jede zweite Aufgabe "
                                   "nimmt das Spiel aus Wörtern, die nicht in der Liste stehen.")
                        .arg(gruende.join(QString()));
    return w;
}

} // namespace zafku::eigene
