#include "WortCheck.h"

#include "Aufgaben.h"
#include "Uebung.h"
#include "Wortschatz.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QSet>

#include <algorithm>
#include <optional>

namespace zafku::wortcheck {

using material::QuellFehler;
using material::WortEintrag;

namespace {

const QStringList artikel = {"der", "die", "das"};

std::optional<QString> leseUtf8(const QString& pfad) {
    QFile f(pfad);
    if (!f.open(QIODevice::ReadOnly))
        return std::nullopt;
    return QString::fromUtf8(f.readAll());
}

// Reviewed "richtig | falsch" pairs: the sentence makes the choice clear.
QSet<QPair<QString, QString>> leseErlaubtePaare(const QString& pfad, QList<QuellFehler>& fehler) {
    QSet<QPair<QString, QString>> paare;
    const QStringList zeilen = leseUtf8(pfad).value_or(QString()).split(u'\n');
    for (int i = 0; i < zeilen.size(); ++i) {
        const QString z = zeilen[i].trimmed();
        if (z.isEmpty() || z.startsWith(u'#'))
            continue;
        const QStringList f = z.split(u'|');
        if (f.size() != 3 || f[2].trimmed().isEmpty())
            fehler.append({pfad, i + 1, QStringLiteral("nicht \"richtig | falsch | Begründung\"")});
        else
            paare.insert({f[0].trimmed(), f[1].trimmed()});
    }
    return paare;
}

struct Material {
    QStringList kategorien;
    QList<Uebung> uebungen;
    QList<WortEintrag> woerter;
};

// The block the game loads for a code: the first whose key begins with it.
const Uebung* uebungFuer(const Material& m, const QString& code) {
    for (const Uebung& u : m.uebungen)
        if (u.kennung.startsWith(code))
            return &u;
    return nullptr;
}

bool lueckeIstGanzesWort(const Material& m, const WortEintrag& w) {
    for (const material::Marke& marke : w.marken) {
        const Uebung* u = uebungFuer(m, marke.code);
        if (marke.vonPos == 1 && u)
            for (const SchreibPaar& p : u->paare)
                if (p.s1 == w.wort || p.s2 == w.wort)
                    return true;
    }
    return false;
}

void pruefeEintraege(const Material& m, const Wortschatz& wortschatz, QList<QuellFehler>& fehler) {
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
        const bool namenwortMarke = std::any_of(w.marken.begin(), w.marken.end(),
                                                [](const auto& mk) { return mk.code == "GK1M"; });
        if (namenwortMarke && !artikel.contains(w.kontext))
            melde(QStringLiteral("Namenwort \"%1\" hat keinen Artikel als Kontext").arg(w.wort));
        for (const material::Marke& mk : w.marken) {
            if (!m.kategorien.contains(mk.code))
                melde(QStringLiteral("Marke %1: unbekannte Kategorie").arg(mk.code));
            if (mk.vonPos > w.wort.size())
                melde(QStringLiteral("Marke %1:%2 liegt hinter dem Wortende")
                          .arg(mk.code)
                          .arg(mk.vonPos));
        }
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

// Every block that reads a marker's code must find one of its spellings at the spot,
// otherwise the game silently takes the spot from the fallback search.
void pruefeMarken(const Material& m, QList<QuellFehler>& fehler) {
    for (const WortEintrag& w : m.woerter) {
        for (const material::Marke& mk : w.marken) {
            if (mk.vonPos > w.wort.size())
                continue;
            QStringList ohneTreffer;
            for (const Uebung& u : m.uebungen) {
                if (uebungFuer(m, u.kennung) != &u)
                    continue;
                bool liest = false;
                bool passt = false;
                const auto versuche = [&](const LupRegel& regel, bool liste2) {
                    liest = true;
                    const int p = regel.start(mk.vonPos);
                    for (const SchreibPaar& paar : u.paare) {
                        const QString& s = liste2 ? paar.s2 : paar.s1;
                        passt = passt ||
                                (p >= 1 && w.wort.mid(p - 1, s.size()).toUpper() == s.toUpper());
                    }
                };
                if (u.kennung == mk.code)
                    versuche(u.regel1, false);
                if (u.kategorienListe.contains(mk.code))
                    versuche(u.regel2, true);
                if (liest && !passt)
                    ohneTreffer.append(u.kennung);
            }
            if (!ohneTreffer.isEmpty())
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
void pruefeFuellungen(const Uebung& u, const QList<Aufgabe>& aufgaben, const Material& m,
                      const Wortschatz& wortschatz, const QSet<QPair<QString, QString>>& erlaubt,
                      QList<QuellFehler>& fehler) {
    for (const Aufgabe& a : aufgaben) {
        const WortEintrag& w = m.woerter[a.wortIndex];
        if (a.vonPos < 1)
            continue;
        const int laenge = lupLaenge(u, a);
        const QString richtig = w.wort.mid(a.vonPos - 1, laenge);
        for (const QString& eintrag : auswahlListe(u, a, w.wort)) {
            if (eintrag == richtig)
                continue;
            const QString falsch =
                w.wort.left(a.vonPos - 1) + eintrag + w.wort.mid(a.vonPos - 1 + laenge);
            if (falsch.compare(w.wort, Qt::CaseInsensitive) == 0)
                continue;
            if (wortschatz.enthaeltGenau(falsch) && !erlaubt.contains({w.wort, falsch}))
                fehler.append(
                    {w.datei, w.zeile,
                     QStringLiteral("falsche Füllung \"%1\" ergibt das Wort \"%2\" (Übung %3)")
                         .arg(eintrag, falsch, u.kennung)});
        }
    }
}

} // namespace

Ergebnis pruefeMaterial(const QString& hostDir, const Optionen& optionen) {
    Ergebnis e;
    const QDir dir(hostDir);
    Material m;

    const QString tsp = dir.filePath(QStringLiteral("Vokra.tsp"));
    const std::optional<QString> tspText = leseUtf8(tsp);
    if (tspText)
        m.kategorien = parseKategorien(*tspText);
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

    const QDir kmp(dir.filePath(QStringLiteral("kmp")));
    for (const QString& name : kmp.entryList({QStringLiteral("*.kmp")}, QDir::Files, QDir::Name))
        m.uebungen += parseKmp(leseUtf8(kmp.filePath(name)).value_or(QString()), kmp.filePath(name),
                               e.fehler);
    for (const Uebung& u : m.uebungen) {
        if (!m.kategorien.contains(u.kennung))
            e.fehler.append({u.datei, u.zeile,
                             QStringLiteral("Schlüssel %1 ist keine Kategorie").arg(u.kennung)});
        else if (uebungFuer(m, u.kennung) != &u)
            e.fehler.append(
                {u.datei, u.zeile,
                 QStringLiteral("Übung %1 wird nie geladen: ein früherer Block beginnt ebenso")
                     .arg(u.kennung)});
        for (const QString& code : u.kategorienListe)
            if (!m.kategorien.contains(code))
                e.fehler.append({u.datei, u.zeile,
                                 QStringLiteral("Liste-2-Code %1 ist keine Kategorie").arg(code)});
    }

    const QString woerterDir = dir.filePath(QStringLiteral("woerter"));
    m.woerter = material::leseWortDateien(woerterDir, e.fehler);
    const auto erlaubt = leseErlaubtePaare(
        QDir(woerterDir).filePath(QStringLiteral("erlaubte_paare.txt")), e.fehler);

    const auto wortschatz = Wortschatz::lade(optionen.wortliste);
    if (!wortschatz) {
        e.fehler.append(
            {optionen.wortliste, 0, QStringLiteral("Wortliste kann nicht gelesen werden")});
        return e;
    }
    pruefeEintraege(m, *wortschatz, e.fehler);
    pruefeSaetze(m, e.fehler);
    pruefeMarken(m, e.fehler);

    const WortTabelle tabelle(m.woerter);
    for (const QString& code : m.kategorien) {
        Zaehlung z{code};
        const Uebung* u = uebungFuer(m, code);
        QList<Aufgabe> aufgaben;
        QString text;
        if (!u) {
            e.fehler.append(
                {tsp, tspZeile(code), QStringLiteral("Kategorie %1 hat keine Übung").arg(code)});
        } else if (!findeAufgaben(*u, m.woerter, tabelle, m.kategorien, aufgaben, text)) {
            e.fehler.append(
                {u->datei, u->zeile, QStringLiteral("Kriterium abgelehnt: %1").arg(text)});
        } else {
            for (const Aufgabe& a : aufgaben)
                ++(a.liste2 ? z.liste2 : z.liste1);
            if (z.liste1 + z.liste2 < optionen.mindestAufgaben)
                e.fehler.append({u->datei, u->zeile,
                                 QStringLiteral("Übung %1 hat %2 Aufgaben statt mindestens %3")
                                     .arg(code)
                                     .arg(z.liste1 + z.liste2)
                                     .arg(optionen.mindestAufgaben)});
            pruefeFuellungen(*u, aufgaben, m, *wortschatz, erlaubt, e.fehler);
        }
        e.tabelle.append(z);
    }
    return e;
}

QString tabellenText(const QList<Zaehlung>& tabelle) {
    QString text = QStringLiteral("Code  Liste1 Liste2 Summe\n");
    for (const Zaehlung& z : tabelle)
        text += QStringLiteral("%1 %2 %3 %4\n")
                    .arg(z.code, -5)
                    .arg(z.liste1, 6)
                    .arg(z.liste2, 6)
                    .arg(z.liste1 + z.liste2, 5);
    return text;
}

} // namespace zafku::wortcheck
