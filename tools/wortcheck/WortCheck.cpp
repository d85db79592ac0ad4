#include "WortCheck.h"

#include "HostQuelle.h"
#include "Pruefungen.h"
#include "Wortschatz.h"
#include "glob/GlobModul.h"
#include "platform/HostTextFile.h"
#include "platform/LaufzeitFehler.h"
#include "rdb/KategorienTabelle.h"
#include "rdb/RdbManager.h"
#include "vokradb/DatenbankBau.h"

#include <QDir>
#include <QTemporaryDir>

namespace zafku::wortcheck {

namespace {

// The checker only counts and walks the task lists; it never draws.
class OhneZufall : public ZufallsZahlen {
  public:
    int zufallsZahl(int lo, int) override { return lo; }
};

// Each block's key and list-2 codes must be categories, and the game must reach it.
void pruefeSchluessel(const Material& m, QList<QuellFehler>& fehler) {
    for (const Uebung& u : m.uebungen) {
        const QString& kennung = u.kategorie.kmpKennung;
        if (!m.kategorien.contains(kennung))
            fehler.append({u.datei, u.zeile,
                           QStringLiteral("Schlüssel %1 ist keine Kategorie").arg(kennung)});
        else if (uebungFuer(m, kennung) != &u)
            fehler.append(
                {u.datei, u.zeile,
                 QStringLiteral("Übung %1 wird nie geladen: ein früherer Block beginnt ebenso")
                     .arg(kennung)});
        for (const QString& code : u.kategorie.kategorienListe)
            if (!m.kategorien.contains(code))
                fehler.append({u.datei, u.zeile,
                               QStringLiteral("Liste-2-Code %1 ist keine Kategorie").arg(code)});
    }
}

} // namespace

Ergebnis pruefeMaterial(const QString& hostDir, const Optionen& optionen) {
    Ergebnis e;
    const HostQuelle quelle = leseHost(hostDir, optionen.befunde, e.fehler);
    Material m;
    const QString& tsp = quelle.tspPfad;
    if (quelle.tspText)
        m.kategorien = leseKategorienCodes(*quelle.tspText);
    // One record a line, so a category's line is the one that ends with its code.
    const auto tspZeile = [&](const QString& code) {
        const QStringList zeilen = quelle.tspText.value_or(QString()).split(u'\n');
        for (int i = 0; i < zeilen.size(); ++i)
            if (zeilen[i].trimmed().endsWith(u',' + code))
                return i + 1;
        return 0;
    };

    m.uebungen = leseUebungen(quelle.kmp, e.fehler);
    pruefeSchluessel(m, e.fehler);
    m.woerter = quelle.woerter;
    for (const WortEintrag& w : m.woerter)
        if (!m.kontexte.contains(w.wort))
            m.kontexte.insert(w.wort, w.kontext);
    const QDir befunde(quelle.befundeDir);
    m.erlaubt = leseErlaubtePaare(befunde.filePath(QStringLiteral("erlaubte_paare.txt")), e.fehler);
    m.geprueftPfad = befunde.filePath(QStringLiteral("gepruefte_befunde.txt"));
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
    pruefeArtikel(m, e.fehler);

    // The host files the build makes, so that the game's own code counts the tasks.
    QTemporaryDir host;
    const QString mdb = host.filePath(QStringLiteral("Vokra-D.mdb"));
    const QList<QuellFehler> bauFehler = material::baueDatenbank(m.kategorien, m.woerter, mdb);
    e.fehler += bauFehler;
    QStringList kmpText;
    for (const KmpZeile& z : quelle.kmp)
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
    pruefeAussprache(m, e.ausspracheVorher, e.fehler);
    pruefeVerwandte(m, e.fehler);
    pruefeSeltenheit(m, quelle.befundeDir, e.fehler);
    pruefeTexte(m, quelle.hilfeDir, e.fehler);
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