#include "Pruefungen.h"

#include "rdb/RdbManager.h"

namespace zafku::wortcheck {

QString prozent(double anteil) {
    return QStringLiteral("%1 %").arg(qRound(anteil * 100));
}

namespace {

// The choice sets of a category: none may give its answer away, and an uneven one
// needs a reviewer's reason.
void pruefeAuswahl(const QList<Ziehung>& ziehungen, const Uebung& u, Material& m, Zaehlung& z,
                   QList<QuellFehler>& fehler) {
    const QString& code = u.kategorie.kmpKennung;
    const QList<Auswahlbild> bilder = auswahlBilder(ziehungen);
    z.verraten = verratenAnteil(bilder);
    for (const Auswahlbild& b : bilder) {
        const QString menge = b.auswahl.join(u',');
        QStringList anteile;
        for (auto it = b.antworten.begin(); it != b.antworten.end(); ++it)
            anteile.append(QStringLiteral("%1 %2").arg(it.key(), prozent(it.value() / b.gewicht)));
        z.bilanz.append(
            QStringLiteral("%1 %2 {%3}: %4")
                .arg(code, prozent(b.gewicht), menge, anteile.join(QStringLiteral(", "))));
        const auto melde = [&](const QString& text) { fehler.append({u.datei, u.zeile, text}); };
        if (b.antworten.size() < 2)
            melde(QStringLiteral("Übung %1: die Auswahl %2 verrät die Antwort %3 (%4 der "
                                 "Ziehungen)")
                      .arg(code, menge, b.groessteAntwort(), prozent(b.gewicht)));
        else if (b.groessterAnteil() >= 0.8 &&
                 !m.istGeprueft(code + QStringLiteral(" Auswahl ") + menge))
            melde(QStringLiteral("Übung %1: in der Auswahl %2 ist %3 zu %4 richtig")
                      .arg(code, menge, b.groessteAntwort(), prozent(b.groessterAnteil())));
    }
}

} // namespace

// Loads the category as the game does, then walks every task of both lists.
void pruefeAufgaben(RdbManager& rdb, const QString& code, const Uebung& u, Material& m,
                    const Optionen& optionen, Zaehlung& z, QList<QuellFehler>& fehler) {
    rdb.loadKategorie(code);
    z.liste1 = rdb.kategorie.anzahl1;
    z.liste2 = rdb.kategorie.anzahl2;
    if (z.liste1 + z.liste2 < optionen.mindestAufgaben)
        fehler.append({u.datei, u.zeile,
                       QStringLiteral("Übung %1 hat %2 Aufgaben statt mindestens %3")
                           .arg(code)
                           .arg(z.liste1 + z.liste2)
                           .arg(optionen.mindestAufgaben)});
    const QList<QSet<QString>> gruppen = gegensaetze(rdb.kategorie.schreibPaare);
    const bool gruppenGeprueft =
        gruppen.size() > 1 && m.istGeprueft(code + QStringLiteral(" Gegensätze"));
    QList<Ziehung> listen[2];
    for (const bool liste2 : {false, true}) {
        rdb.aufgabenPos = RdbManager::keinePosition;
        const int anzahl = liste2 ? z.liste2 : z.liste1;
        for (int n = 1; n <= anzahl; ++n) {
            if (!rdb.gotoAufgabe(n, liste2)) {
                fehler.append({u.datei, u.zeile,
                               QStringLiteral("Übung %1: Aufgabe %2 der Liste %3 fehlt")
                                   .arg(code)
                                   .arg(n)
                                   .arg(liste2 ? 2 : 1)});
                break;
            }
            listen[liste2].append(
                pruefeFuellungen(rdb, liste2, m, gruppen, gruppenGeprueft, fehler));
        }
    }
    pruefeAuswahl(gewichte(listen[0], listen[1]), u, m, z, fehler);
}

} // namespace zafku::wortcheck
