#include "Pruefungen.h"

#include "SatzRegeln.h"
#include "Wortschatz.h"
#include "rdb/ListenEintrag.h"
#include "rdb/LupenPruefung.h"
#include "rdb/RdbManager.h"

#include <algorithm>

namespace zafku::wortcheck {

// A wrong filling that gives another word is only fair when a person checked that the
// sentence decides. A filling that changes only the letter case is what the
// capital-letter exercises practise, so it is not counted as another word.
Ziehung pruefeFuellungen(const RdbManager& rdb, bool liste2, Material& m,
                         const QList<QSet<QString>>& gruppen, bool gruppenGeprueft,
                         QList<QuellFehler>& fehler) {
    const Aufgabe& a = rdb.aufgabe;
    // The database numbers the words in file order from 1.
    const WortEintrag& w = m.woerter[a.aktRefNr - 1];
    const QString& code = rdb.kategorie.kmpKennung;
    const QString vorne = a.aktWort.left(a.aktVonPos - 1);
    const QString hinten = a.aktWort.mid(a.aktVonPos - 1 + a.aktLupLaenge);
    const QString richtig = a.aktWort.mid(a.aktVonPos - 1, a.aktLupLaenge);
    const QString auswahl = rdb.buildAuswahlListe(liste2);
    const auto melde = [&](const QString& text) { fehler.append({w.datei, w.zeile, text}); };

    // Without a marker at the spot the game found it by searching the word, and the
    // first occurrence is seldom the spot meant.
    const Kategorie& k = rdb.kategorie;
    const LupRegel& regel = liste2 ? k.lupRegel2 : k.lupRegel1;
    const bool markiert =
        regel.absolut || std::any_of(w.marken.begin(), w.marken.end(), [&](const auto& mk) {
            const bool eigene =
                liste2 ? k.kategorienListe.contains(mk.code) : mk.code == k.kmpKennung;
            return eigene && lupenStart(regel, mk.vonPos) == a.aktVonPos;
        });
    if (!markiert)
        melde(QStringLiteral("die Lücke von \"%1\" an Stelle %2 hat keine Marke der Übung %3")
                  .arg(a.aktWort)
                  .arg(a.aktVonPos)
                  .arg(code));
    if (inDoppeltemMitlaut(a.aktWort, a.aktVonPos, a.aktLupLaenge))
        melde(QStringLiteral("die Lücke von \"%1\" ist die Hälfte eines doppelten Mitlauts "
                             "(Übung %2)")
                  .arg(a.aktWort, code));
    const SchreibPaar& paar = rdb.kategorie.schreibPaare.value(a.aktPaarNr);
    const QString eigene = liste2 ? paar.schreibung2 : paar.schreibung1;
    const auto gruppeText = [&](const QString& schreibung) {
        for (const QSet<QString>& g : gruppen)
            if (g.contains(schreibung)) {
                QStringList teile = g.values();
                teile.sort();
                return teile.join(u'/');
            }
        return schreibung;
    };
    if (gruppen.size() > 1 && !gruppenGeprueft && !gruppen[0].contains(eigene))
        melde(QStringLiteral("\"%1\" übt %2 statt %3 (Übung %4)")
                  .arg(a.aktWort, gruppeText(eigene),
                       gruppeText(rdb.kategorie.schreibPaare[0].schreibung1), code));
    m.aufgabenWoerter[code].insert(a.aktWort);
    m.stellen.append({&w, code, a.aktVonPos, richtig});
    if (richtig.compare(k.schreibPaare.value(0).schreibung1, Qt::CaseInsensitive) == 0)
        m.ersteSchreibung[code].append(a.aktWort);
    // Only where a pair differs in letter case alone is "pumpe" no hint for Pumpe.
    const bool grossKlein =
        std::any_of(k.schreibPaare.begin(), k.schreibPaare.end(), [](const auto& p) {
            return p.schreibung1 != p.schreibung2 &&
                   p.schreibung1.compare(p.schreibung2, Qt::CaseInsensitive) == 0;
        });
    const auto fall = grossKlein ? Qt::CaseSensitive : Qt::CaseInsensitive;
    const QString satz = QString(w.satz).remove(u'@');
    for (const QString& umfeld : schreibungMitUmfeld(a.aktWort, a.aktVonPos, a.aktLupLaenge))
        if (satz.contains(umfeld, fall) &&
            !m.istGeprueft(code + QStringLiteral(" Satz ") + a.aktWort)) {
            melde(QStringLiteral("der Satz zeigt \"%1\" aus \"%2\" (Übung %3)")
                      .arg(umfeld, a.aktWort, code));
            break;
        }
    Ziehung z{{}, richtig, 0};
    for (int n = 1;; ++n) {
        const QString eintrag = getListenEintrag(auswahl, n);
        if (eintrag.isEmpty())
            break;
        z.auswahl.append(eintrag);
        const QString falsch = vorne + eintrag + hinten;
        if (eintrag == richtig || falsch.compare(a.aktWort, Qt::CaseInsensitive) == 0)
            continue;
        if (!m.erlaubt.contains({a.aktWort, falsch}))
            m.fuellungen.append({falsch, eintrag, code, &w});
        else
            m.echtePaare[code].append(a.aktWort + u'/' + falsch);
    }
    std::sort(z.auswahl.begin(), z.auswahl.end(), [](const QString& x, const QString& y) {
        return x.compare(y, Qt::CaseInsensitive) < 0;
    });
    return z;
}

// Word list and spell checker together: the list misses many inflected and prefixed
// words, the spell checker misses nothing it would accept in a child's text.
void pruefeEchteWoerter(const Material& m, const Wortschatz& wortschatz,
                        QList<QuellFehler>& fehler) {
    QStringList falsch;
    for (const Fuellung& f : m.fuellungen)
        falsch.append(f.falsch);
    falsch.removeDuplicates();
    QString text;
    const auto abgelehnt = rechtschreibFehler(falsch, text);
    if (!abgelehnt) {
        fehler.append({QStringLiteral("hunspell"), 0, text});
        return;
    }
    QSet<QString> echt;
    for (int i = 0; i < falsch.size(); ++i)
        if (abgelehnt->at(i).isEmpty())
            echt.insert(falsch[i]);
    QSet<QString> gemeldet;
    for (const Fuellung& f : m.fuellungen) {
        if (!wortschatz.enthaeltGenau(f.falsch) && !echt.contains(f.falsch))
            continue;
        const QString text =
            QStringLiteral("falsche Füllung \"%1\" ergibt das Wort \"%2\" (Übung %3)")
                .arg(f.eintrag, f.falsch, f.code);
        if (!gemeldet.contains(f.wort->datei + text))
            fehler.append({f.wort->datei, f.wort->zeile, text});
        gemeldet.insert(f.wort->datei + text);
    }
}

} // namespace zafku::wortcheck
