#include "DatenbankBau.h"

#include "platform/LaufzeitFehler.h"
#include "platform/SqliteDatabase.h"

#include <QFile>
#include <QHash>

#include <cstdio>

namespace zafku::material {

namespace {

// RefNr is read by the game as a 16-bit number.
constexpr int hoechsteRefNr = 32767;

QList<QuellFehler> pruefe(const QStringList& kategorien, const QList<WortEintrag>& woerter) {
    QList<QuellFehler> fehler;
    if (woerter.size() > hoechsteRefNr)
        fehler.append({woerter[hoechsteRefNr].datei, woerter[hoechsteRefNr].zeile,
                       QStringLiteral("mehr als %1 Wörter").arg(hoechsteRefNr)});
    for (const WortEintrag& w : woerter) {
        for (const Marke& m : w.marken) {
            if (!kategorien.contains(m.code))
                fehler.append(
                    {w.datei, w.zeile, QStringLiteral("unbekannter Code \"%1\"").arg(m.code)});
            else if (m.vonPos > w.wort.size())
                fehler.append({w.datei, w.zeile,
                               QStringLiteral("Position %1 von %2 liegt hinter dem Wort \"%3\"")
                                   .arg(m.vonPos)
                                   .arg(m.code, w.wort)});
        }
    }
    return fehler;
}

QString schwerpunkte(const WortEintrag& w) {
    QStringList codes;
    for (const Marke& m : w.marken) {
        if (!codes.contains(m.code))
            codes.append(m.code);
    }
    return u';' + codes.join(u';') + (codes.isEmpty() ? QString() : QStringLiteral(";"));
}

} // namespace

void schreibeDatenbank(const QStringList& kategorien, const QList<WortEintrag>& woerter,
                       const QString& pfad, int refNrZyklus) {
    const SqliteDatabase db(pfad, SqliteDatabase::Zugriff::Schreiben);
    db.exec(QStringLiteral("CREATE TABLE WortListe(RefNr INTEGER, Wort TEXT, Kontext TEXT, "
                           "KomplexInd INTEGER, Schwerpunkte TEXT)"));
    db.exec(QStringLiteral("CREATE TABLE LupenStellen(RefNr INTEGER, Vesk INTEGER, "
                           "vonPos INTEGER)"));
    db.exec(QStringLiteral("CREATE TABLE SemSynt(RefNr INTEGER, SatzKontext TEXT)"));
    // Our own table: the game reads only its three, read-aloud may use this one.
    db.exec(QStringLiteral("CREATE TABLE Aussprache(RefNr INTEGER, Lautschrift TEXT)"));
    db.exec(QStringLiteral("BEGIN"));
    SqliteStatement wort =
        db.prepare(QStringLiteral("INSERT INTO WortListe VALUES(?1,?2,?3,?4,?5)"));
    SqliteStatement lupe = db.prepare(QStringLiteral("INSERT INTO LupenStellen VALUES(?1,?2,?3)"));
    SqliteStatement satz = db.prepare(QStringLiteral("INSERT INTO SemSynt VALUES(?1,?2)"));
    SqliteStatement laut = db.prepare(QStringLiteral("INSERT INTO Aussprache VALUES(?1,?2)"));
    for (int i = 0; i < woerter.size(); ++i) {
        const WortEintrag& w = woerter[i];
        const int refNr = i % refNrZyklus + 1;
        wort.reset();
        wort.bind(1, refNr);
        wort.bind(2, w.wort);
        wort.bind(3, w.kontext.isEmpty() ? QVariant() : QVariant(w.kontext));
        wort.bind(4, w.komplexInd);
        wort.bind(5, schwerpunkte(w));
        wort.step();
        for (const Marke& m : w.marken) {
            lupe.reset();
            lupe.bind(1, refNr);
            lupe.bind(2, kategorien.indexOf(m.code) + 1);
            lupe.bind(3, m.vonPos);
            lupe.step();
        }
        if (!w.aussprache.isEmpty()) {
            laut.reset();
            laut.bind(1, refNr);
            laut.bind(2, w.aussprache);
            laut.step();
        }
        if (w.satz.isEmpty())
            continue;
        satz.reset();
        satz.bind(1, refNr);
        satz.bind(2, w.satz);
        satz.step();
    }
    db.exec(QStringLiteral("COMMIT"));
    db.exec(QStringLiteral("CREATE INDEX LupenStellenRefNr ON LupenStellen(RefNr)"));
    db.exec(QStringLiteral("CREATE INDEX SemSyntRefNr ON SemSynt(RefNr)"));
}

QList<WortEintrag> leseDatenbank(const QStringList& kategorien, const QString& pfad) {
    const SqliteDatabase db(pfad, SqliteDatabase::Zugriff::Unveraenderlich);
    QList<WortEintrag> woerter;
    QHash<int, qsizetype> index;
    SqliteStatement wort = db.prepare(
        QStringLiteral("SELECT RefNr, Wort, Kontext, KomplexInd FROM WortListe ORDER BY RefNr"));
    while (wort.step()) {
        WortEintrag w;
        w.zeile = static_cast<int>(wort.int64(0));
        w.wort = wort.value(1).toString();
        w.kontext = wort.value(2).toString();
        w.komplexInd = static_cast<int>(wort.int64(3));
        w.datei = pfad;
        index.insert(w.zeile, woerter.size());
        woerter.append(w);
    }
    const auto jede = [&](const QString& sql, auto nimm) {
        SqliteStatement s = db.prepare(sql);
        while (s.step())
            if (const auto i = index.find(static_cast<int>(s.int64(0))); i != index.end())
                nimm(woerter[*i], s);
    };
    jede(QStringLiteral("SELECT RefNr, Vesk, vonPos FROM LupenStellen ORDER BY rowid"),
         [&](WortEintrag& w, SqliteStatement& s) {
             w.marken.append({kategorien.value(static_cast<int>(s.int64(1)) - 1),
                              static_cast<int>(s.int64(2))});
         });
    jede(QStringLiteral("SELECT RefNr, SatzKontext FROM SemSynt"),
         [](WortEintrag& w, SqliteStatement& s) { w.satz = s.value(1).toString(); });
    // Older databases lack the pronunciation table.
    SqliteStatement hat =
        db.prepare(QStringLiteral("SELECT 1 FROM sqlite_master WHERE name = 'Aussprache'"));
    if (hat.step())
        jede(QStringLiteral("SELECT RefNr, Lautschrift FROM Aussprache"),
             [](WortEintrag& w, SqliteStatement& s) { w.aussprache = s.value(1).toString(); });
    return woerter;
}

QList<QuellFehler> baueDatenbank(const QStringList& kategorien, const QList<WortEintrag>& woerter,
                                 const QString& ziel) {
    QList<QuellFehler> fehler = pruefe(kategorien, woerter);
    if (!fehler.isEmpty())
        return fehler;
    const QString tmp = ziel + QStringLiteral(".tmp");
    QFile::remove(tmp);
    try {
        schreibeDatenbank(kategorien, woerter, tmp, hoechsteRefNr);
    } catch (const LaufzeitFehler& f) {
        QFile::remove(tmp);
        return {{ziel, 0, f.text()}};
    }
    // rename() replaces an existing file in one step.
    if (std::rename(QFile::encodeName(tmp).constData(), QFile::encodeName(ziel).constData()) != 0) {
        QFile::remove(tmp);
        return {{ziel, 0, QStringLiteral("kann nicht geschrieben werden")}};
    }
    return {};
}

} // namespace zafku::material
