#include "Neubau.h"

#include "Pruefung.h"
#include "Woche.h"
#include "bericht/Lehrmaterial.h"
#include "glob/GlobModul.h"
#include "platform/AtomicReplace.h"
#include "platform/FieldReader.h"
#include "platform/HostLock.h"
#include "platform/HostPath.h"
#include "platform/HostTextFile.h"
#include "platform/LaufzeitFehler.h"
#include "platform/SqliteDatabase.h"
#include "rdb/KategorienTabelle.h"
#include "rdb/RdbManager.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <sys/stat.h>

namespace zafku::eigene {

namespace {

// Headings of the teacher's group in Vokra.tsp, the one of earlier versions first.
const QStringList kUeberschriften = {QStringLiteral("\">>> Eigene Wörter\",\">>>E\""),
                                     QStringLiteral("\">>> Wörter der Woche\",\">>>W\"")};

// The weeks' keys are in no category table: their marker rows carry the number the game
// gives such a key, so no shipped exercise ever reads them.
const int kWochenVesk = getKategorieNr(wochenSchluessel());

// Counting tasks never draws.
class OhneZufall : public ZufallsZahlen {
  public:
    int zufallsZahl(int lo, int) override { return lo; }
};

QString schwerpunkte(const EigenesWort& w) {
    QStringList codes;
    for (const material::Marke& m : w.marken)
        if (!codes.contains(eigenerSchluessel(m.code)))
            codes.append(eigenerSchluessel(m.code));
    return codes.isEmpty() ? QString() : u';' + codes.join(u';') + u';';
}

// The sentence as the game shows it: "@" where the word stands.
QString satzMitLuecke(const QString& satz, const QString& wort) {
    const qsizetype at = wortStelle(satz, wort);
    return at < 0 ? satz : satz.left(at) + u'@' + satz.mid(at + wort.size());
}

void schreibeWoerter(const QString& pfad, const EigeneListe& liste) {
    const SqliteDatabase db(pfad, SqliteDatabase::Zugriff::Schreiben);
    db.exec(QStringLiteral("BEGIN"));
    for (const char* t : {"WortListe", "SemSynt"})
        db.exec(QStringLiteral("DELETE FROM %1 WHERE RefNr >= %2").arg(t).arg(ersteNummer));
    // The weeks' rows are sorted out once the week is planned.
    db.exec(QStringLiteral("DELETE FROM LupenStellen WHERE RefNr >= %1 AND Vesk <> %2")
                .arg(ersteNummer)
                .arg(kWochenVesk));
    if (!db.spalten(QStringLiteral("WortListe")).contains(QStringLiteral("Eigene")))
        db.exec(
            QStringLiteral("ALTER TABLE WortListe ADD COLUMN Eigene INTEGER NOT NULL DEFAULT 0"));
    SqliteStatement wort = db.prepare(
        QStringLiteral("INSERT INTO WortListe(RefNr, Wort, Kontext, KomplexInd, Schwerpunkte, "
                       "Eigene) VALUES(?1,?2,?3,?4,?5,?6)"));
    SqliteStatement lupe = db.prepare(QStringLiteral("INSERT INTO LupenStellen VALUES(?1,?2,?3)"));
    SqliteStatement satz = db.prepare(QStringLiteral("INSERT INTO SemSynt VALUES(?1,?2)"));
    for (const EigenesWort& w : liste.woerter) {
        wort.reset();
        wort.bind(1, w.refNr);
        wort.bind(2, w.wort);
        wort.bind(3, w.kontext.isEmpty() ? QVariant() : QVariant(w.kontext));
        // Longer words are harder and earn a larger stake.
        wort.bind(4, std::clamp(int(w.wort.size() + 2) / 4, 1, 5));
        wort.bind(5, w.entfernt ? QString() : schwerpunkte(w));
        wort.bind(6, w.entfernt ? 0 : 1);
        wort.step();
        for (const material::Marke& m : w.marken) {
            lupe.reset();
            lupe.bind(1, w.refNr);
            lupe.bind(2, getKategorieNr(m.code));
            lupe.bind(3, m.vonPos);
            lupe.step();
        }
        if (w.satz.isEmpty())
            continue;
        satz.reset();
        satz.bind(1, w.refNr);
        satz.bind(2, satzMitLuecke(w.satz, w.wort));
        satz.step();
    }
    db.exec(QStringLiteral("COMMIT"));
    db.exec(QStringLiteral("VACUUM"));
}

// Counts both lists of a block with the game's own reader; nullopt when it does not load.
std::optional<std::pair<int, int>> zaehle(const QString& dir, const QString& schluessel) {
    try {
        OhneZufall zufall;
        RdbManager rdb(zufall);
        rdb.openRdb(dir);
        rdb.loadKategorie(schluessel);
        if (rdb.kategorie.kmpKennung != schluessel)
            return std::nullopt;
        return std::pair{int(rdb.kategorie.anzahl1), int(rdb.kategorie.anzahl2)};
    } catch (const LaufzeitFehler&) {
        return std::nullopt;
    }
}

// The shipped lines of Vokra.kmp; the weeks' blocks, read into their fields, go to wochen.
QStringList gelieferteZeilen(const QString& text, QList<QStringList>& wochen) {
    QStringList zeilen;
    for (const QString& z : splitHostLines(text)) {
        FieldReader leser(z);
        QStringList felder;
        while (!leser.atEnd())
            felder.append(leser.next());
        if (istWochenSchluessel(felder.value(0)) && felder.size() == 7)
            wochen.append(felder);
        else if (!z.trimmed().isEmpty() && !istEigenerSchluessel(felder.value(0)))
            zeilen.append(z);
    }
    return zeilen;
}

QStringList nummernIn(const QString& kriterium) {
    static const QRegularExpression zahl(QStringLiteral("\\d+"));
    QStringList nummern;
    for (const auto& m : zahl.globalMatch(kriterium))
        nummern.append(m.captured());
    return nummern;
}

// The weeks kept: the earlier ones, and this week's under its date when the teacher wants;
// a week whose words the teacher's file no longer holds is gone.
QList<QStringList> behalteneWochen(const QList<QStringList>& wochen, bool behalten,
                                   const QSet<int>& eigene) {
    QList<QStringList> behalten_;
    for (QStringList f : wochen) {
        if (f[0] == wochenSchluessel()) {
            const QDate datum = tippDatum(f[6]);
            if (!behalten || !datum.isValid())
                continue;
            f[0] = f[2] = wochenSchluessel(datum);
        }
        const QStringList woerter = nummernIn(f[1]);
        if (std::any_of(woerter.begin(), woerter.end(),
                        [&](const QString& n) { return !eigene.contains(n.toInt()); }))
            continue;
        behalten_.removeIf([&](const QStringList& g) { return g[0] == f[0]; });
        behalten_.append(f);
    }
    std::sort(behalten_.begin(), behalten_.end(),
              [](const QStringList& a, const QStringList& b) { return a[0] > b[0]; });
    return behalten_;
}

// The marker rows of the weeks: those of kept weeks stay, this week's are written anew.
void markiereWoche(const QString& mdb, const QList<QStringList>& behalten,
                   const bericht::Uebung& woche) {
    QStringList nummern;
    for (const QStringList& f : behalten)
        nummern += nummernIn(f[1]) + nummernIn(f[3]);
    const SqliteDatabase db(mdb, SqliteDatabase::Zugriff::Schreiben);
    db.exec(QStringLiteral("DELETE FROM LupenStellen WHERE Vesk = %1 AND RefNr NOT IN (%2)")
                .arg(kWochenVesk)
                .arg(nummern.join(u',')));
    bericht::markiere(db, woche, bericht::Markierung::Ergaenzen);
}

bool schreibe(const QString& pfad, const QByteArray& bytes, QString& fehler) {
    const ReplaceResult r = replaceFileAtomically(pfad, bytes);
    if (!r.ok)
        fehler = QStringLiteral("%1 kann nicht geschrieben werden: %2").arg(pfad, r.error);
    return r.ok;
}

} // namespace

QString ohneStelleText(const QStringList& woerter) {
    return QStringLiteral("Nicht im Spiel, weil keine Stelle zum Üben angehakt ist: %1.")
        .arg(woerter.join(QStringLiteral(", ")));
}

QList<Block> ladeBloecke(const QString& hostDir, QString& fehler) {
    const QString kmp = resolveHostPath(hostDir, QStringLiteral("Vokra.kmp"));
    const auto text = readHostText(kmp);
    if (!text) {
        fehler = QStringLiteral("%1 kann nicht gelesen werden.").arg(kmp);
        return {};
    }
    return gelieferteBloecke(splitHostLines(*text));
}

QHash<QString, QString> gelieferteArtikel(const QString& hostDir) {
    QHash<QString, QString> artikel;
    try {
        const SqliteDatabase db(resolveHostPath(hostDir, QStringLiteral("Vokra-D.mdb")));
        SqliteStatement s =
            db.prepare(QStringLiteral("SELECT Wort, Kontext FROM WortListe WHERE RefNr < %1")
                           .arg(ersteNummer));
        while (s.step())
            if (istArtikel(s.value(1).toString()))
                artikel.insert(s.value(0).toString(), s.value(1).toString());
    } catch (const LaufzeitFehler&) {
    }
    return artikel;
}

namespace {

// Work folders of builds that were killed. Only a real folder is removed: a link planted
// under such a name must not lead the removal elsewhere.
void raeumeAuf(const QString& hostDir) {
    const QDir host(hostDir);
    for (const QString& name : host.entryList({QStringLiteral(".eigene-neu-*")},
                                              QDir::AllEntries | QDir::Hidden | QDir::System)) {
        struct stat info {};
        const QString pfad = host.filePath(name);
        if (::lstat(QFile::encodeName(pfad).constData(), &info) == 0 && S_ISDIR(info.st_mode))
            QDir(pfad).removeRecursively();
    }
}

void baue(const QString& hostDir, const EigeneListe& liste, const Wochenwahl& wahl,
          NeubauErgebnis& e) {
    const QString mdb = resolveHostPath(hostDir, QStringLiteral("Vokra-D.mdb"));
    const QString kmp = resolveHostPath(hostDir, QStringLiteral("Vokra.kmp"));
    const QString tsp = resolveHostPath(hostDir, QStringLiteral("Vokra.tsp"));
    const auto kmpText = readHostText(kmp);
    const auto tspText = readHostText(tsp);
    if (!kmpText || !tspText || !QFileInfo(mdb).isFile()) {
        e.fehler = QStringLiteral("Im Ordner %1 fehlen Vokra.kmp, Vokra.tsp oder Vokra-D.mdb.")
                       .arg(hostDir);
        return;
    }
    QList<QStringList> wochen;
    QStringList kmpZeilen = gelieferteZeilen(*kmpText, wochen);
    QStringList tspZeilen = splitHostLines(*tspText);
    for (const QString& u : kUeberschriften)
        if (const qsizetype ende = tspZeilen.indexOf(u); ende >= 0)
            tspZeilen = tspZeilen.mid(0, ende);
    while (!tspZeilen.isEmpty() && tspZeilen.last().trimmed().isEmpty())
        tspZeilen.removeLast();

    raeumeAuf(hostDir);
    // A new folder of a fresh name, so no planted link can stand in its place.
    QTemporaryDir arbeit(QDir(hostDir).filePath(QStringLiteral(".eigene-neu-XXXXXX")));
    const QDir neu(arbeit.path());
    const QString neuMdb = neu.filePath(QStringLiteral("Vokra-D.mdb"));
    const QString neuKmp = neu.filePath(QStringLiteral("Vokra.kmp"));
    if (!arbeit.isValid() || !QFile::copy(mdb, neuMdb) ||
        !writeHostLinesAtomically(neuKmp, kmpZeilen) ||
        !writeHostLinesAtomically(neu.filePath(QStringLiteral("Vokra.tsp")), tspZeilen)) {
        e.fehler = QStringLiteral("Im Ordner %1 kann nichts angelegt werden.").arg(hostDir);
        return;
    }
    QList<int> gefragt;
    QSet<int> eigene;
    for (const EigenesWort& w : liste.woerter) {
        eigene.insert(w.refNr);
        if (!w.entfernt)
            gefragt.append(w.refNr);
    }
    const QList<QStringList> behalten = behalteneWochen(wochen, wahl.behalten, eigene);
    Woche woche;
    try {
        schreibeWoerter(neuMdb, liste);
        bericht::Lehrmaterial material(neu.path());
        woche = planeWoche(material, gefragt, eigene);
    } catch (const LaufzeitFehler& f) {
        e.fehler = f.text();
        return;
    }
    const bericht::Uebung& u = woche.uebung;
    QStringList wochenZeilen, titel;
    if (!u.woerter.isEmpty()) {
        wochenZeilen.append(u.kmpZeile(wochenTipp(wahl.heute)));
        titel.append(QStringLiteral("\"Wörter der Woche\",") + u.kennung);
        e.angeboten.append(u.kennung);
    }
    for (const QStringList& f : behalten) {
        wochenZeilen.append(blockZeile(f));
        titel.append(QStringLiteral("\"Wörter der Woche %1\",%2")
                         .arg(tippDatum(f[6]).toString(QStringLiteral("dd.MM.yyyy")), f[0]));
        e.angeboten.append(f[0]);
    }
    kmpZeilen += wochenZeilen;
    if (!titel.isEmpty())
        tspZeilen += QStringList{kUeberschriften[1]} + titel;
    std::optional<std::pair<int, int>> zahl;
    try {
        markiereWoche(neuMdb, behalten, u);
        if (!writeHostLinesAtomically(neuKmp, kmpZeilen))
            throw LaufzeitFehler(QStringLiteral("%1 kann nicht geschrieben werden.").arg(neuKmp));
        FieldReader erste(kmpZeilen.value(0));
        zahl = zaehle(neu.path(), u.woerter.isEmpty() ? erste.next() : u.kennung);
    } catch (const LaufzeitFehler& f) {
        e.fehler = f.text();
        return;
    }
    // Every word of the week must be asked, and nothing else in its first list.
    if (!zahl || (!u.woerter.isEmpty() && zahl->first != u.woerter.size())) {
        e.fehler = QStringLiteral("Die neue Datenbank lässt sich im Spiel nicht öffnen; es bleibt "
                                  "alles beim Alten.");
        return;
    }
    e.hinweis = woche.hinweis;
    for (const EigenesWort& w : liste.woerter)
        if (u.ohneStelle.contains(w.refNr))
            e.ohneStelle.append(w.wort);

    QFile gebaut(neuMdb);
    if (!gebaut.open(QIODevice::ReadOnly)) {
        e.fehler = QStringLiteral("%1 kann nicht gelesen werden.").arg(neuMdb);
        return;
    }
    // The old blocks and categories also work on the new database: replace it first. The
    // teacher's file comes last, so that it never names words the game does not have.
    if (schreibe(mdb, gebaut.readAll(), e.fehler) &&
        schreibe(kmp, hostLinesBytes(kmpZeilen), e.fehler) &&
        schreibe(tsp, hostLinesBytes(tspZeilen), e.fehler))
        schreibe(eigeneDateiPfad(hostDir), eigeneListeText(liste).toUtf8(), e.fehler);
}

template <typename Schritt>
NeubauErgebnis gesperrt(const QString& hostDir, std::chrono::milliseconds maxWarten,
                        Schritt schritt) {
    NeubauErgebnis e;
    const HostLock sperre(hostDir, maxWarten);
    e.gewartet = sperre.waited();
    if (!sperre.held())
        e.fehler = sperre.error() + QStringLiteral(" Es wurde nichts gespeichert.");
    else
        schritt(e);
    return e;
}

} // namespace

NeubauErgebnis baueNeu(const QString& hostDir, const EigeneListe& liste, const Wochenwahl& wahl,
                       std::chrono::milliseconds maxWarten) {
    return gesperrt(hostDir, maxWarten, [&](NeubauErgebnis& e) { baue(hostDir, liste, wahl, e); });
}

NeubauErgebnis speichere(const QString& hostDir, const QList<EigenesWort>& neu,
                         const Wochenwahl& wahl, std::chrono::milliseconds maxWarten) {
    return gesperrt(hostDir, maxWarten, [&](NeubauErgebnis& e) {
        // Read under the lock: a save that ran meanwhile keeps its numbers.
        EigeneListe liste = ladeEigeneListe(hostDir, &e.fehler);
        if (!e.fehler.isEmpty())
            return;
        if (const auto fehler = uebernimm(liste, neu))
            e.fehler = *fehler;
        else
            baue(hostDir, liste, wahl, e);
        e.liste = liste;
    });
}

} // namespace zafku::eigene
