#include "WortCheck.h"

#include "Hilfetexte.h"
#include "SatzRegeln.h"
#include "Uebung.h"
#include "Wortschatz.h"
#include "Ziehungen.h"
#include "glob/GlobModul.h"
#include "glob/SitzungsDaten.h"
#include "help/HtmlHelpMod.h"
#include "platform/HostTextFile.h"
#include "platform/LaufzeitFehler.h"
#include "rdb/KategorienTabelle.h"
#include "rdb/ListenEintrag.h"
#include "rdb/LupenPruefung.h"
#include "rdb/RdbManager.h"
#include "vokradb/DatenbankBau.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QSet>
#include <QTemporaryDir>

#include <algorithm>
#include <optional>

namespace zafku::wortcheck {

using material::QuellFehler;
using material::WortEintrag;

namespace {

const QStringList artikel = {"der", "die", "das"};
const QStringList wortarten = {"Tunwort",        "Wiewort",  "Umstandswort", "Fürwort",
                               "Verhältniswort", "Zahlwort", "Bindewort",    "Begleiter"};

// The checker only counts and walks the task lists; it never draws.
class OhneZufall : public ZufallsZahlen {
  public:
    int zufallsZahl(int lo, int) override { return lo; }
};

std::optional<QString> leseUtf8(const QString& pfad) {
    QFile f(pfad);
    if (!f.open(QIODevice::ReadOnly))
        return std::nullopt;
    return QString::fromUtf8(f.readAll());
}

using Paare = QSet<QPair<QString, QString>>;

// The lines of a review file, each "field | … | reason" with exactly `felder` fields and a
// reason that is not empty; comment lines start with "#".
template <typename Nimm>
void leseGepruefteZeilen(const QString& pfad, int felder, const QString& form,
                         QList<QuellFehler>& fehler, Nimm nimm) {
    const QStringList zeilen = leseUtf8(pfad).value_or(QString()).split(u'\n');
    for (int i = 0; i < zeilen.size(); ++i) {
        const QString z = zeilen[i].trimmed();
        if (z.isEmpty() || z.startsWith(u'#'))
            continue;
        const QStringList f = z.split(u'|');
        if (f.size() != felder || f.last().trimmed().isEmpty())
            fehler.append({pfad, i + 1, QStringLiteral("nicht \"%1\"").arg(form)});
        else
            nimm(f, i + 1);
    }
}

// Reviewed "richtig | falsch" pairs: the sentence makes the choice clear.
Paare leseErlaubtePaare(const QString& pfad, QList<QuellFehler>& fehler) {
    Paare paare;
    leseGepruefteZeilen(pfad, 3, QStringLiteral("richtig | falsch | Begründung"), fehler,
                        [&](const QStringList& f, int) {
                            paare.insert({f[0].trimmed(), f[1].trimmed()});
                        });
    return paare;
}

// Reviewed findings, "Schlüssel | Begründung": a category that practises several
// contrasts at once ("DHO_ Gegensätze"), or a set of fillings whose right answers are
// knowingly uneven ("DHO_ Auswahl ö,öh").
QHash<QString, int> leseGeprueft(const QString& pfad, QList<QuellFehler>& fehler) {
    QHash<QString, int> befunde;
    leseGepruefteZeilen(
        pfad, 2, QStringLiteral("Schlüssel | Begründung"), fehler,
        [&](const QStringList& f, int zeile) { befunde.insert(f[0].trimmed(), zeile); });
    return befunde;
}

// A wrong filling that gives a listed word or one the spell checker accepts.
struct Fuellung {
    QString falsch, eintrag, code;
    const WortEintrag* wort = nullptr;
};

struct Material {
    QStringList kategorien;
    QList<Uebung> uebungen;
    QList<WortEintrag> woerter;
    Paare erlaubt;
    QHash<QString, int> geprueft;
    QString geprueftPfad;
    QSet<QString> genutzt;
    QList<Fuellung> fuellungen;
    QHash<QString, QString> kontexte;
    // Per category: its task words, those whose answer is its first spelling, and the
    // reviewed fillings that make another word.
    QHash<QString, QSet<QString>> aufgabenWoerter;
    QHash<QString, QStringList> ersteSchreibung;
    QHash<QString, QStringList> echtePaare;

    bool istGeprueft(const QString& schluessel) {
        genutzt.insert(schluessel);
        return geprueft.contains(schluessel);
    }
};

// The block the game loads for a code: the first whose key begins with it.
const Uebung* uebungFuer(const Material& m, const QString& code) {
    for (const Uebung& u : m.uebungen)
        if (u.kategorie.kmpKennung.startsWith(code))
            return &u;
    return nullptr;
}

bool lueckeIstGanzesWort(const Material& m, const WortEintrag& w) {
    for (const material::Marke& marke : w.marken) {
        const Uebung* u = uebungFuer(m, marke.code);
        if (marke.vonPos == 1 && u)
            for (const SchreibPaar& p : u->kategorie.schreibPaare)
                if (p.schreibung1 == w.wort || p.schreibung2 == w.wort)
                    return true;
    }
    return false;
}

void pruefeEintraege(Material& m, const Wortschatz& wortschatz, QList<QuellFehler>& fehler) {
    QHash<QString, const WortEintrag*> erstes;
    QSet<QPair<QString, QString>> saetze;
    for (const WortEintrag& w : m.woerter) {
        const auto melde = [&](const QString& text) { fehler.append({w.datei, w.zeile, text}); };
        if (!wortschatz.enthaelt(w.wort))
            melde(QStringLiteral("\"%1\" steht nicht in der Wortliste").arg(w.wort));
        if (w.satz.count(u'@') != 1)
            melde(
                QStringLiteral("der Satz hat %1 \"@\" statt genau eines").arg(w.satz.count(u'@')));
        if (artikel.contains(w.kontext) && !w.wort[0].isUpper())
            melde(QStringLiteral("Namenwort \"%1\" ist klein geschrieben").arg(w.wort));
        if (w.kontext.isEmpty())
            melde(QStringLiteral("\"%1\" hat keinen Kontext").arg(w.wort));
        else if (!artikel.contains(w.kontext) && !wortarten.contains(w.kontext) &&
                 !m.istGeprueft(QStringLiteral("Kontext ") + w.kontext))
            melde(QStringLiteral("Kontext \"%1\" ist weder Wortart noch Artikel").arg(w.kontext));
        const QString satz = QString(w.satz).replace(u'@', w.wort);
        for (const QString& nomen : ohneDativEndung(satz, m.kontexte))
            if (!m.istGeprueft(QStringLiteral("Fall ") + w.wort))
                melde(QStringLiteral("nach \"den\" fehlt \"%1\" das -n des Dativs").arg(nomen));
        const bool namenwortMarke = std::any_of(w.marken.begin(), w.marken.end(),
                                                [](const auto& mk) { return mk.code == "GK1M"; });
        if (namenwortMarke && !artikel.contains(w.kontext))
            melde(QStringLiteral("Namenwort \"%1\" hat keinen Artikel als Kontext").arg(w.wort));
        // A gap that is the whole word (das/dass) is told apart by its sentence alone.
        const WortEintrag* frueher = erstes.value(w.wort);
        if (!frueher)
            erstes.insert(w.wort, &w);
        else if (!lueckeIstGanzesWort(m, w) || saetze.contains({w.wort, w.satz}))
            melde(QStringLiteral("\"%1\" steht schon in %2:%3")
                      .arg(w.wort, frueher->datei)
                      .arg(frueher->zeile));
        saetze.insert({w.wort, w.satz});
    }
}

void pruefeSaetze(const Material& m, QList<QuellFehler>& fehler) {
    QStringList saetze;
    QList<const WortEintrag*> zu;
    for (const WortEintrag& w : m.woerter) {
        if (w.satz.count(u'@') != 1)
            continue;
        saetze.append(QString(w.satz).replace(u'@', w.wort));
        zu.append(&w);
    }
    QString text;
    const auto ergebnis = rechtschreibFehler(saetze, text);
    if (!ergebnis) {
        fehler.append({QStringLiteral("hunspell"), 0, text});
        return;
    }
    for (int i = 0; i < zu.size(); ++i)
        for (const QString& wort : ergebnis->at(i))
            fehler.append(
                {zu[i]->datei, zu[i]->zeile,
                 QStringLiteral("Rechtschreibprüfung lehnt \"%1\" im Satz ab").arg(wort)});
}

// Some block that reads a marker's code must find one of its spellings at the spot.
void pruefeMarken(const Material& m, QList<QuellFehler>& fehler) {
    for (const WortEintrag& w : m.woerter) {
        for (const material::Marke& mk : w.marken) {
            const int vesk = getKategorieNr(mk.code);
            if (vesk < 0 || mk.vonPos > w.wort.size())
                continue;
            QStringList ohneTreffer;
            bool irgendwo = false;
            for (const Uebung& u : m.uebungen) {
                const Kategorie& k = u.kategorie;
                if (uebungFuer(m, k.kmpKennung) != &u)
                    continue;
                bool liest = false;
                bool passt = false;
                for (const bool liste2 : {false, true}) {
                    if (liste2 ? !k.kategorienListe.contains(mk.code) : k.kmpKennung != mk.code)
                        continue;
                    liest = true;
                    passt = passt || pruefeLupenStelle(k, liste2, vesk, mk.vonPos, w.wort);
                }
                if (liest && !passt)
                    ohneTreffer.append(k.kmpKennung);
                irgendwo = irgendwo || passt;
            }
            // A block may leave a code's other spellings to a sister block (ck/k and
            // tz/z share the list of k and z after l, n, r); a spot the game takes from
            // the fallback search is reported with the task.
            if (!irgendwo && !ohneTreffer.isEmpty())
                fehler.append({w.datei, w.zeile,
                               QStringLiteral("Marke %1:%2 liest keine Schreibung der Übung %3")
                                   .arg(mk.code)
                                   .arg(mk.vonPos)
                                   .arg(ohneTreffer.join(u','))});
        }
    }
}

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

// What a tip or the category's help page says about left-out words and spellings must
// hold for the exercise's tasks.
void pruefeTexte(Material& m, const QString& datei, const QList<Absatz>& absaetze,
                 const QString& code, QList<QuellFehler>& fehler) {
    const QSet<QString>& aufgaben = m.aufgabenWoerter[code];
    for (const Aussage& a : aussagen(absaetze)) {
        const auto melde = [&](const QString& schluessel, const QString& text) {
            if (!m.istGeprueft(code + QStringLiteral(" Text ") + schluessel))
                fehler.append({datei, a.zeile, text + QStringLiteral(" (Übung %1)").arg(code)});
        };
        switch (a.art) {
        case Aussage::Ausgelassen:
            for (const QString& wort : a.woerter)
                if (aufgaben.contains(wort))
                    melde(wort, QStringLiteral("\"%1\" heißt ausgelassen, ist aber eine Aufgabe")
                                    .arg(wort));
            break;
        case Aussage::KeinePaare: {
            QStringList ungenannt = m.echtePaare[code];
            ungenannt.removeDuplicates();
            ungenannt.removeIf(
                [&](const QString& p) { return a.rest.contains(p.section(u'/', 0, 0)); });
            if (!ungenannt.isEmpty())
                melde(QStringLiteral("Paare"),
                      QStringLiteral("Paare aus zwei Wörtern heißen ausgelassen, die Übung hat %1")
                          .arg(ungenannt.join(QStringLiteral(", "))));
            break;
        }
        case Aussage::AlleAnderen:
            for (const QString& wort : m.ersteSchreibung[code])
                if (std::none_of(a.woerter.begin(), a.woerter.end(), [&](const QString& f) {
                        return wort.contains(f, Qt::CaseInsensitive);
                    }))
                    melde(wort, QStringLiteral("\"%1\" fehlt unter den Wörtern vor \"%2\"")
                                    .arg(wort, a.satz));
            break;
        case Aussage::ZwielautAlsLang:
            for (const QString& wort : a.woerter)
                melde(wort, QStringLiteral("\"%1\" hat einen Zwielaut, keinen langen Selbstlaut")
                                .arg(wort));
            break;
        }
    }
}

void pruefeTexte(Material& m, const QString& hostDir, QList<QuellFehler>& fehler) {
    for (int nr = 1; nr <= m.kategorien.size(); ++nr) {
        const QString& code = m.kategorien[nr - 1];
        const Uebung* u = uebungFuer(m, code);
        if (!u)
            continue;
        pruefeTexte(m, u->datei, {{u->kategorie.kmpTitel, u->zeile}}, code, fehler);
        SitzungsDaten daten;
        daten.katNr = nr;
        initHilfe(daten);
        const QString seite =
            QDir(hostDir).filePath(QStringLiteral("hilfe/Vesk/%1.html").arg(daten.katHilfeNr));
        if (const auto html = leseUtf8(seite))
            pruefeTexte(m, seite, absaetzeDerSeite(*html), code, fehler);
        else
            fehler.append({seite, 0, QStringLiteral("Hilfeseite der Übung %1 fehlt").arg(code)});
    }
}

QString prozent(double anteil) {
    return QStringLiteral("%1 %").arg(qRound(anteil * 100));
}

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

} // namespace

Ergebnis pruefeMaterial(const QString& hostDir, const Optionen& optionen) {
    Ergebnis e;
    const QDir dir(hostDir);
    Material m;

    const QString tsp = dir.filePath(QStringLiteral("Vokra.tsp"));
    const std::optional<QString> tspText = leseUtf8(tsp);
    if (tspText)
        m.kategorien = leseKategorienCodes(*tspText);
    else
        e.fehler.append({tsp, 0, QStringLiteral("Datei kann nicht gelesen werden")});
    // One record a line, so a category's line is the one that ends with its code.
    const auto tspZeile = [&](const QString& code) {
        const QStringList zeilen = tspText.value_or(QString()).split(u'\n');
        for (int i = 0; i < zeilen.size(); ++i)
            if (zeilen[i].trimmed().endsWith(u',' + code))
                return i + 1;
        return 0;
    };

    const QList<KmpZeile> kmp = leseKmpQuellen(dir.filePath(QStringLiteral("kmp")), e.fehler);
    m.uebungen = leseUebungen(kmp, e.fehler);
    for (const Uebung& u : m.uebungen) {
        const QString& kennung = u.kategorie.kmpKennung;
        if (!m.kategorien.contains(kennung))
            e.fehler.append({u.datei, u.zeile,
                             QStringLiteral("Schlüssel %1 ist keine Kategorie").arg(kennung)});
        else if (uebungFuer(m, kennung) != &u)
            e.fehler.append(
                {u.datei, u.zeile,
                 QStringLiteral("Übung %1 wird nie geladen: ein früherer Block beginnt ebenso")
                     .arg(kennung)});
        for (const QString& code : u.kategorie.kategorienListe)
            if (!m.kategorien.contains(code))
                e.fehler.append({u.datei, u.zeile,
                                 QStringLiteral("Liste-2-Code %1 ist keine Kategorie").arg(code)});
    }

    const QString woerterDir = dir.filePath(QStringLiteral("woerter"));
    m.woerter = material::leseWortDateien(woerterDir, e.fehler);
    for (const WortEintrag& w : m.woerter)
        if (!m.kontexte.contains(w.wort))
            m.kontexte.insert(w.wort, w.kontext);
    m.erlaubt = leseErlaubtePaare(QDir(woerterDir).filePath(QStringLiteral("erlaubte_paare.txt")),
                                  e.fehler);
    m.geprueftPfad = QDir(woerterDir).filePath(QStringLiteral("gepruefte_befunde.txt"));
    m.geprueft = leseGeprueft(m.geprueftPfad, e.fehler);

    const auto wortschatz = Wortschatz::lade(optionen.wortliste);
    if (!wortschatz) {
        e.fehler.append(
            {optionen.wortliste, 0, QStringLiteral("Wortliste kann nicht gelesen werden")});
        return e;
    }
    pruefeEintraege(m, *wortschatz, e.fehler);
    pruefeSaetze(m, e.fehler);
    pruefeMarken(m, e.fehler);

    // The host files the build makes, so that the game's own code counts the tasks.
    QTemporaryDir host;
    const QString mdb = host.filePath(QStringLiteral("Vokra-D.mdb"));
    const QList<QuellFehler> bauFehler = material::baueDatenbank(m.kategorien, m.woerter, mdb);
    e.fehler += bauFehler;
    QStringList kmpText;
    for (const KmpZeile& z : kmp)
        kmpText.append(z.text);
    const QString kmpDatei = host.filePath(QStringLiteral("Vokra.kmp"));
    const bool kmpGeschrieben = writeHostLinesAtomically(kmpDatei, kmpText);
    if (!kmpGeschrieben)
        e.fehler.append({kmpDatei, 0, QStringLiteral("kann nicht geschrieben werden")});
    // The game's texts name its files; the temporary folder would only hide them.
    const auto spielText = [&](const LaufzeitFehler& f) {
        return QString(f.text()).remove(host.path() + u'/').replace(u'\r', u' ');
    };

    OhneZufall zufall;
    for (const QString& code : m.kategorien) {
        Zaehlung z;
        z.code = code;
        const Uebung* u = uebungFuer(m, code);
        if (!u) {
            e.fehler.append(
                {tsp, tspZeile(code), QStringLiteral("Kategorie %1 hat keine Übung").arg(code)});
        } else if (bauFehler.isEmpty() && kmpGeschrieben) {
            try {
                RdbManager rdb(zufall);
                rdb.openRdb(host.path());
                pruefeAufgaben(rdb, code, *u, m, optionen, z, e.fehler);
            } catch (const LaufzeitFehler& f) {
                e.fehler.append(
                    {u->datei, u->zeile,
                     QStringLiteral("Übung %1 lädt im Spiel nicht: %2").arg(code, spielText(f))});
            }
        }
        e.tabelle.append(z);
    }
    pruefeEchteWoerter(m, *wortschatz, e.fehler);
    pruefeTexte(m, hostDir, e.fehler);
    // A reason for a finding that no longer occurs would excuse the next one unseen.
    for (auto it = m.geprueft.begin(); it != m.geprueft.end(); ++it)
        if (!m.genutzt.contains(it.key()))
            e.fehler.append(
                {m.geprueftPfad, it.value(),
                 QStringLiteral("geprüfter Befund \"%1\" tritt nicht auf").arg(it.key())});
    return e;
}

QString tabellenText(const QList<Zaehlung>& tabelle) {
    QString text = QStringLiteral("Code  Liste1 Liste2 Summe verraten\n");
    for (const Zaehlung& z : tabelle)
        text += QStringLiteral("%1 %2 %3 %4 %5\n")
                    .arg(z.code, -5)
                    .arg(z.liste1, 6)
                    .arg(z.liste2, 6)
                    .arg(z.liste1 + z.liste2, 5)
                    .arg(prozent(z.verraten), 8);
    text += QStringLiteral("\nAuswahl je Übung (Anteil der Ziehungen: richtige Antworten)\n");
    for (const Zaehlung& z : tabelle)
        for (const QString& zeile : z.bilanz)
            text += zeile + u'\n';
    return text;
}

} // namespace zafku::wortcheck
