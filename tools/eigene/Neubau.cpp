#include "Neubau.h"

#include "Pruefung.h"
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
#include <QTemporaryDir>

#include <sys/stat.h>

namespace zafku::eigene {

namespace {

const QString ueberschrift = QStringLiteral("\">>> Eigene Wörter\"");

// Counting tasks never draws.
class OhneZufall : public ZufallsZahlen {
  public:
    int zufallsZahl(int lo, int) override { return lo; }
};

QString nurAktive(const QString& criterion) {
    return QStringLiteral("Eigene=1 AND (%1)").arg(criterion);
}

// The teacher's rows carry the codes with "E", so shipped criteria never select them.
QString eigeneCodes(QString kriterium) {
    for (const QString& code : kategorienTabelle())
        kriterium.replace(u';' + code + u';', u';' + eigenerSchluessel(code) + u';');
    return kriterium;
}

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
    for (const char* t : {"WortListe", "LupenStellen", "SemSynt"})
        db.exec(QStringLiteral("DELETE FROM %1 WHERE RefNr >= %2").arg(t).arg(ersteNummer));
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

QStringList zeilenOhneEigene(const QString& text) {
    QStringList zeilen;
    for (const QString& z : splitHostLines(text)) {
        FieldReader leser(z);
        if (!z.trimmed().isEmpty() && !istEigenerSchluessel(leser.next()))
            zeilen.append(z);
    }
    return zeilen;
}

QString titelVon(const QStringList& tspZeilen, const QString& code) {
    for (const QString& z : tspZeilen) {
        FieldReader leser(z);
        const QString titel = leser.next();
        if (leser.next() == code)
            return titel;
    }
    return code;
}

bool schreibe(const QString& pfad, const QByteArray& bytes, QString& fehler) {
    const ReplaceResult r = replaceFileAtomically(pfad, bytes);
    if (!r.ok)
        fehler = QStringLiteral("%1 kann nicht geschrieben werden: %2").arg(pfad, r.error);
    return r.ok;
}

} // namespace

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

void baue(const QString& hostDir, const EigeneListe& liste, NeubauErgebnis& e) {
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
    QStringList kmpZeilen = zeilenOhneEigene(*kmpText);
    QStringList tspZeilen = splitHostLines(*tspText);
    const qsizetype ende = tspZeilen.indexOf(ueberschrift + QStringLiteral(",\">>>E\""));
    if (ende >= 0)
        tspZeilen = tspZeilen.mid(0, ende);
    while (!tspZeilen.isEmpty() && tspZeilen.last().trimmed().isEmpty())
        tspZeilen.removeLast();
    const QList<Block> bloecke = gelieferteBloecke(kmpZeilen);

    raeumeAuf(hostDir);
    // A new folder of a fresh name, so no planted link can stand in its place.
    QTemporaryDir arbeit(QDir(hostDir).filePath(QStringLiteral(".eigene-neu-XXXXXX")));
    const QDir neu(arbeit.path());
    const QString neuMdb = neu.filePath(QStringLiteral("Vokra-D.mdb"));
    const QString neuKmp = neu.filePath(QStringLiteral("Vokra.kmp"));
    if (!arbeit.isValid() || !QFile::copy(mdb, neuMdb)) {
        e.fehler = QStringLiteral("Im Ordner %1 kann nichts angelegt werden.").arg(hostDir);
        return;
    }
    try {
        schreibeWoerter(neuMdb, liste);
    } catch (const LaufzeitFehler& f) {
        e.fehler = f.text();
        return;
    }

    // One block per category of the teacher's active words, in the category order.
    QStringList eigeneBloecke;
    QStringList titel;
    for (const QString& code : kategorienTabelle()) {
        const Block* b = blockFuer(bloecke, code);
        QStringList woerter;
        for (const EigenesWort& w : liste.woerter)
            if (!w.entfernt && std::any_of(w.marken.begin(), w.marken.end(),
                                           [&](const auto& m) { return m.code == code; }))
                woerter.append(w.wort);
        // The capital exercises show their letters as they stand only under their own key.
        if (!b || woerter.isEmpty() || code.startsWith(QLatin1String("GK")))
            continue;
        QStringList f = b->felder;
        f[0] = eigenerSchluessel(code);
        f[1] = nurAktive(eigeneCodes(f[1]));
        f[3] = nurAktive(eigeneCodes(f[3]));
        writeHostLinesAtomically(neuKmp, kmpZeilen + QStringList{blockZeile(f)});
        auto zahl = zaehle(neu.path(), f[0]);
        // Without a contrast word of the teacher's, the shipped ones stand against them.
        if (zahl && zahl->first > 0 && zahl->second == 0) {
            f[3] = b->felder[3];
            writeHostLinesAtomically(neuKmp, kmpZeilen + QStringList{blockZeile(f)});
            zahl = zaehle(neu.path(), f[0]);
        }
        if (!zahl || zahl->first == 0 || zahl->second == 0)
            continue;
        eigeneBloecke.append(blockZeile(f));
        QString t = titelVon(tspZeilen, code);
        t = t.left(t.indexOf(QLatin1String(" ("))).trimmed();
        titel.append(QStringLiteral("\"%1 – %2\",%3")
                         .arg(t, woerter.mid(0, 3).join(QStringLiteral(", ")), f[0]));
        e.angeboten.append(f[0]);
    }
    kmpZeilen += eigeneBloecke;
    if (!titel.isEmpty())
        tspZeilen += QStringList{ueberschrift + QStringLiteral(",\">>>E\"")} + titel;
    if (!writeHostLinesAtomically(neuKmp, kmpZeilen) ||
        !zaehle(neu.path(), bloecke.value(0).code())) {
        e.fehler = QStringLiteral("Die neue Datenbank lässt sich im Spiel nicht öffnen; es bleibt "
                                  "alles beim Alten.");
        return;
    }

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

NeubauErgebnis baueNeu(const QString& hostDir, const EigeneListe& liste,
                       std::chrono::milliseconds maxWarten) {
    return gesperrt(hostDir, maxWarten, [&](NeubauErgebnis& e) { baue(hostDir, liste, e); });
}

NeubauErgebnis speichere(const QString& hostDir, const QList<EigenesWort>& neu,
                         std::chrono::milliseconds maxWarten) {
    return gesperrt(hostDir, maxWarten, [&](NeubauErgebnis& e) {
        // Read under the lock: a save that ran meanwhile keeps its numbers.
        EigeneListe liste = ladeEigeneListe(hostDir, &e.fehler);
        if (!e.fehler.isEmpty())
            return;
        if (const auto fehler = uebernimm(liste, neu))
            e.fehler = *fehler;
        else
            baue(hostDir, liste, e);
        e.liste = liste;
    });
}

} // namespace zafku::eigene
