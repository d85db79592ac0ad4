#include "Pruefung.h"

#include "SatzPruefung.h"
#include "Wortschatz.h"

#include <QSet>

#include <algorithm>

namespace zafku::eigene {

namespace {

bool istWortZeichen(const QString& s, qsizetype i) {
    return i >= 0 && i < s.size() && (s[i].isLetterOrNumber() || s[i] == u'-');
}

// The wrong fillings the game offers beside the right one.
QStringList andereSchreibungen(const Block& b, const QString& richtig) {
    QStringList andere;
    for (const SchreibPaar& p : b.kategorie.schreibPaare)
        if (p.schreibung1.compare(richtig, Qt::CaseInsensitive) == 0 &&
            !andere.contains(p.schreibung2))
            andere.append(p.schreibung2);
    return andere;
}

struct Fuellung {
    int wortNr;
    QString falsch, statt, richtig;
};

} // namespace

namespace {

qsizetype naechste(const QString& satz, const QString& wort, qsizetype ab) {
    for (qsizetype at = satz.indexOf(wort, ab); at >= 0 && !wort.isEmpty();
         at = satz.indexOf(wort, at + 1))
        if (!istWortZeichen(satz, at - 1) && !istWortZeichen(satz, at + wort.size()))
            return at;
    return -1;
}

} // namespace

int vorkommen(const QString& satz, const QString& wort) {
    int n = 0;
    for (qsizetype at = naechste(satz, wort, 0); at >= 0; at = naechste(satz, wort, at + 1))
        ++n;
    return n;
}

qsizetype wortStelle(const QString& satz, const QString& wort) {
    return naechste(satz, wort, 0);
}

bool sperrt(const QList<Befund>& befunde) {
    return std::any_of(befunde.begin(), befunde.end(), [](const Befund& b) { return b.sperrt; });
}

QList<Befund> pruefe(const QList<PruefWort>& woerter, const Pruefmittel& mittel) {
    QList<Befund> befunde;
    QSet<QString> gesehen;
    QStringList saetze;
    QList<int> satzVon;
    QList<Fuellung> fuellungen;
    QList<qsizetype> unbekannt; // findings that a suggestion completes
    QStringList unbekannteWoerter;
    for (int i = 0; i < woerter.size(); ++i) {
        const Eingabe& e = woerter[i].eingabe;
        const auto melde = [&](const QString& text, bool sperrend = true) {
            befunde.append({e.zeile, e.wort, text, sperrend});
        };
        // Only letters and hyphens: a quote or comma would break the game's list files.
        if (e.wort.isEmpty() || !std::all_of(e.wort.begin(), e.wort.end(),
                                             [](QChar c) { return c.isLetter() || c == u'-'; })) {
            melde(QStringLiteral("In Zeile %1 steht kein einzelnes Wort vorne.").arg(e.zeile));
            continue;
        }
        if (e.wort.size() > maxWort) {
            melde(QStringLiteral("Das Wort in Zeile %1 ist länger als %2 Buchstaben.")
                      .arg(e.zeile)
                      .arg(maxWort));
            continue;
        }
        if (e.kontext.size() > maxKontext)
            melde(QStringLiteral("Die Angabe zu '%1' ist länger als %2 Zeichen; gemeint ist der "
                                 "Artikel oder die Wortart.")
                      .arg(e.wort)
                      .arg(maxKontext));
        if (!mittel.wortschatz.enthaelt(e.wort)) {
            unbekannt.append(befunde.size());
            unbekannteWoerter.append(e.wort);
            melde(QStringLiteral("Das Wort '%1' steht nicht im Wörterbuch – Tippfehler?")
                      .arg(e.wort));
        }
        if (gesehen.contains(e.wort))
            melde(QStringLiteral("Das Wort '%1' steht zweimal in der Liste.").arg(e.wort));
        gesehen.insert(e.wort);

        const bool gross = e.wort[0].isUpper();
        const QString bekannt = mittel.artikel.value(e.wort);
        if (istArtikel(e.kontext) && !gross)
            melde(QStringLiteral("'%1' hat den Artikel '%2', dann ist es ein Namenwort und wird "
                                 "großgeschrieben.")
                      .arg(e.wort, e.kontext));
        else if (istArtikel(e.kontext) && istArtikel(bekannt) && bekannt != e.kontext)
            melde(
                QStringLiteral("Es heißt '%1 %2', nicht '%3 %2'.").arg(bekannt, e.wort, e.kontext));
        else if ((istTunwort(e.kontext) || istWiewort(e.kontext)) && gross)
            melde(QStringLiteral("'%1' ist als %2 angegeben, dann wird es kleingeschrieben.")
                      .arg(e.wort, e.kontext));
        else if (gross && e.kontext.isEmpty())
            melde(QStringLiteral("Zu '%1' fehlt der Artikel (der, die oder das).").arg(e.wort));
        else if (QStringList{"den", "dem", "des", "ein", "eine"}.contains(e.kontext,
                                                                          Qt::CaseInsensitive))
            melde(QStringLiteral("Als Artikel von '%1' bitte der, die oder das angeben.")
                      .arg(e.wort));

        if (!e.satz.isEmpty()) {
            const int n = vorkommen(e.satz, e.wort);
            if (n != 1)
                melde(QStringLiteral("Der Satz zu '%1' muss das Wort genau einmal enthalten, so "
                                     "geschrieben (jetzt %2-mal).")
                          .arg(e.wort)
                          .arg(n));
            saetze.append(e.satz);
            satzVon.append(i);
            if (n == 1)
                pruefeSatz(woerter[i], mittel.bloecke, befunde);
        }
        pruefeAussprache(woerter[i], mittel.bloecke, mittel.laute, befunde);
        if (woerter[i].stellen.isEmpty())
            melde(QStringLiteral("Für '%1' ist keine Stelle zum Üben gewählt.").arg(e.wort));
        for (const Vorschlag& v : woerter[i].stellen) {
            const Block* b = blockFuer(mittel.bloecke, v.code);
            // Capital or small is what those exercises practise: no other word.
            if (!b || v.code.startsWith(QLatin1String("GK")))
                continue;
            const int stelle = stelleIm(*b, v);
            const QString vorne = e.wort.left(stelle - 1);
            const QString hinten = e.wort.mid(stelle - 1 + v.schreibung.size());
            for (QString s : andereSchreibungen(*b, v.schreibung)) {
                if (stelle == 1 && gross && !s.isEmpty())
                    s[0] = s[0].toUpper();
                fuellungen.append({i, vorne + s + hinten, s, v.schreibung});
            }
        }
    }

    QStringList falsch;
    for (const Fuellung& f : fuellungen)
        falsch.append(f.falsch);
    QString fehler;
    const auto satzFehler = mittel.rechtschreibung(saetze, fehler);
    const auto echt = satzFehler ? mittel.echt(falsch, fehler) : std::nullopt;
    const auto vorschlaege = echt ? mittel.vorschlaege(unbekannteWoerter, fehler) : std::nullopt;
    if (!vorschlaege) {
        befunde.append({0, QString(),
                        QStringLiteral("Die Rechtschreibprüfung läuft nicht (%1); es wird nichts "
                                       "gespeichert.")
                            .arg(fehler)});
        return befunde;
    }
    for (int k = 0; k < unbekannt.size(); ++k)
        if (const QStringList& v = vorschlaege->at(k); !v.isEmpty())
            befunde[unbekannt[k]].text += QStringLiteral(" Meinten Sie '%1'?").arg(v.first());
    for (int k = 0; k < saetze.size(); ++k)
        for (const QString& w : satzFehler->at(k)) {
            const Eingabe& e = woerter[satzVon[k]].eingabe;
            befunde.append({e.zeile, e.wort,
                            QStringLiteral("Im Satz zu '%1' kennt die Rechtschreibprüfung '%2' "
                                           "nicht.")
                                .arg(e.wort, w)});
        }
    for (int k = 0; k < fuellungen.size(); ++k) {
        const Fuellung& f = fuellungen[k];
        if (!mittel.wortschatz.enthaeltGenau(f.falsch) && !echt->at(k))
            continue;
        const Eingabe& e = woerter[f.wortNr].eingabe;
        const QString text = QStringLiteral("Mit '%1' statt '%2' wird aus '%3' das Wort '%4'. ")
                                 .arg(f.statt, f.richtig, e.wort, f.falsch);
        // Without a sentence the child cannot know which of the two is meant.
        if (e.satz.isEmpty())
            befunde.append({e.zeile, e.wort,
                            text + QStringLiteral("Bitte einen Satz angeben, der zeigt, welches "
                                                  "gemeint ist.")});
        else
            befunde.append({e.zeile, e.wort,
                            text + QStringLiteral("Zeigt der Satz, welches gemeint ist?"), false});
    }
    return befunde;
}

} // namespace zafku::eigene
