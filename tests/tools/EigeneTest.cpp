#include "eigene/EigeneDatei.h"
#include "eigene/Neubau.h"
#include "eigene/Pruefstand.h"
#include "glob/GlobModul.h"
#include "platform/LaufzeitFehler.h"
#include "platform/SqliteDatabase.h"
#include "rdb/RdbManager.h"
#include "support/TempHost.h"
#include "support/TestZufall.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>

#include <csignal>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace zafku;
using namespace zafku::eigene;

namespace {

// A copy of the demo host's material, so that a rebuild leaves the build tree alone.
struct Host : TempHost {
    Host() {
        for (const char* f : {"Vokra-D.mdb", "Vokra.kmp", "Vokra.tsp"})
            QFile::copy(QStringLiteral(ZAFKU_HOST_DIR "/") + f, file(f));
    }
};

// Tasks of both lists of a block as the game counts them; -1 when it does not load.
int aufgaben(const QString& host, const QString& code) {
    try {
        SkriptZufall z;
        RdbManager rdb(z);
        rdb.openRdb(host);
        rdb.loadKategorie(code);
        return rdb.kategorie.kmpKennung == code ? rdb.kategorie.anzahl1 + rdb.kategorie.anzahl2
                                                : -1;
    } catch (const LaufzeitFehler&) {
        return -1;
    }
}

QString wortMit(const QString& host, int refNr) {
    const SqliteDatabase db(host + QStringLiteral("/Vokra-D.mdb"));
    SqliteStatement s =
        db.prepare(QStringLiteral("SELECT Wort FROM WortListe WHERE RefNr=%1").arg(refNr));
    return s.step() ? s.value(0).toString() : QString();
}

EigeneListe liste(const QStringList& woerter) {
    EigeneListe l;
    QList<EigenesWort> neu;
    const auto feld = [](const QString& w, int i) { return w.section(u' ', i, i); };
    for (const QString& w : woerter)
        neu.append({0, feld(w, 0), feld(w, 1), {}, {{feld(w, 2), feld(w, 3).toInt()}}});
    EXPECT_FALSE(uebernimm(l, neu));
    return l;
}

TEST(Eigene, ChecksNameEachFault) {
    Host host;
    QString fehler;
    auto p = Pruefstand::lade(host.path(), QStringLiteral("/usr/share/dict/ngerman"), fehler);
    ASSERT_TRUE(p) << fehler.toStdString();
    p->artikel.insert(QStringLiteral("Biene"), QStringLiteral("die"));
    // A hint that does not block the word is marked "(Hinweis)".
    const char* const faelle[][2] = {
        {"Biene, die, Die Biene sammelt Honig.", ""},
        {"Biehne, die", "Das Wort 'Biehne' steht nicht im Wörterbuch – Tippfehler?|Mit 'ie' statt "
                        "'ieh' wird aus 'Biehne' das Wort 'Biene'. Bitte einen Satz angeben, der "
                        "zeigt, welches gemeint ist."},
        {"Biene, die, Die Bienen fliegen.", "Der Satz zu 'Biene' muss das Wort genau einmal "
                                            "enthalten, so geschrieben (jetzt 0-mal)."},
        {"Lied, das", "Mit 'i' statt 'ie' wird aus 'Lied' das Wort 'Lid'. Bitte einen Satz "
                      "angeben, der zeigt, welches gemeint ist."},
        {"Lied, das, Wir singen ein Lied.", "Mit 'i' statt 'ie' wird aus 'Lied' das Wort 'Lid'. "
                                            "Zeigt der Satz, welches gemeint ist? (Hinweis)"},
        {"Biene, der", "Es heißt 'die Biene', nicht 'der Biene'."},
        {"biene, die", "Das Wort 'biene' steht nicht im Wörterbuch – Tippfehler?|'biene' hat den "
                       "Artikel 'die', dann ist es ein Namenwort und wird großgeschrieben."},
        {"Bie\"ne, die", "In Zeile 1 steht kein einzelnes Wort vorne."},
        {"Biene, die Biene aus dem Garten", "Die Angabe zu 'Biene' ist länger als 20 Zeichen; "
                                            "gemeint ist der Artikel oder die Wortart."},
    };
    for (const auto& f : faelle) {
        PruefWort w{leseEingabe(QString::fromUtf8(f[0])).value(0), {}};
        QList<bool> an;
        const QList<Vorschlag> v = p->vorschlagen(w.eingabe, {}, an);
        for (int i = 0; i < v.size(); ++i)
            if (an[i] && v[i].code != QLatin1String("AUDT"))
                w.stellen.append(v[i]);
        QStringList texte;
        for (const Befund& b : pruefe({w}, p->mittel()))
            texte.append(b.text + (b.sperrt ? "" : " (Hinweis)"));
        EXPECT_EQ(texte.join(u'|').toStdString(), f[1]) << f[0];
    }
}

// A teacher's file in another encoding is named as such, never half read.
TEST(Eigene, WordFileIsUtf8OrNamedForWhatItIs) {
    TempHost host;
    const struct {
        QByteArray bytes;
        const char* befund; // "" when read
    } faelle[] = {
        {"\xef\xbb\xbf\x42iene, die\rWiese, die\r", ""},
        {"Biene\xe4", "Windows-1252"},
        {QByteArray("\xff\xfe\x42\0i\0", 6), "UTF-16"},
        {QByteArray("B\0i\0", 4), "UTF-16"},
        {QByteArray("Bi\0ne", 5), "Binärdaten"},
        {QByteArray(maxWortDatei + 1, 'a'), "größer als 1024 KB"},
    };
    for (const auto& f : faelle) {
        host.writeBytes("w.txt", f.bytes);
        QString fehler;
        const auto text = leseWortDatei(host.file("w.txt"), fehler);
        EXPECT_EQ(text.has_value(), !*f.befund) << f.befund;
        EXPECT_TRUE(fehler.contains(f.befund)) << fehler.toStdString();
    }
    // A FIFO in its place would hold the tool for good.
    ASSERT_EQ(mkfifo(QFile::encodeName(host.file("rohr.txt")).constData(), 0600), 0);
    QString fehler;
    EXPECT_FALSE(leseWortDatei(host.file("rohr.txt"), fehler));
    EXPECT_TRUE(fehler.contains("keine gewöhnliche Datei")) << fehler.toStdString();
    // Lines ended by a lone CR are lines of their own.
    EXPECT_EQ(leseEingabe("Biene, die\rWiese, die, Die Wiese blüht.\r").value(1).satz,
              "Die Wiese blüht.");
    // Columns by tab or bar, as copied from a table; a comma then belongs to the sentence.
    for (const char* zeile : {"Biene\tdie\tSie summt, laut.", "Biene | die | Sie summt, laut."}) {
        const Eingabe e = leseEingabe(QString::fromUtf8(zeile)).value(0);
        EXPECT_EQ(e.wort + u'/' + e.kontext + u'/' + e.satz, "Biene/die/Sie summt, laut.") << zeile;
    }
}

TEST(Eigene, NumbersStayWithTheirWords) {
    EigeneListe l = liste({"Biene die LIE_ 2", "Wiese die LIE_ 2", "Kind das LIKU 2"});
    ASSERT_FALSE(uebernimm(l, {{0, "Kind", "das", {}, {}}, {0, "Fisch", "der", {}, {}}}));
    l = leseEigeneListe(eigeneListeText(l));
    ASSERT_FALSE(uebernimm(l, {{0, "Biene", "die", {}, {}}, {0, "Fisch", "der", {}, {}}}));
    QStringList text;
    for (const EigenesWort& w : leseEigeneListe(eigeneListeText(l)).woerter)
        text.append(QStringLiteral("%1%2=%3").arg(w.entfernt ? "-" : "").arg(w.refNr).arg(w.wort));
    EXPECT_EQ(text.join(u' ').toStdString(), "30000=Biene -30001=Wiese -30002=Kind 30003=Fisch");
    EXPECT_EQ(leseEigeneListe(eigeneListeText(l)).naechsteNummer, 30004);
    // A code of a hand-edited file is written as it stands, even one holding "%0".
    const EigeneListe prozent = leseEigeneListe(eigeneListeText(liste({"Biene die %0X 2"})));
    EXPECT_EQ(prozent.woerter.value(0).marken.value(0).code, "%0X");
    l.naechsteNummer = letzteNummer;
    EXPECT_FALSE(uebernimm(l, {{0, "Tier", "das", {}, {}}}));
    EXPECT_TRUE(uebernimm(l, {{0, "Tier", "das", {}, {}}, {0, "Tor", "das", {}, {}}}));
}

TEST(Eigene, RebuildAsksOnlyTheTeachersWordsAndKeepsShippedOnes) {
    Host host;
    const int geliefert = aufgaben(host.path(), "LIE_");
    ASSERT_GT(geliefert, 0);
    EigeneListe l = liste({"Biene die LIE_ 2", "Wiese die LIE_ 2", "Kind das LIKU 2"});
    const NeubauErgebnis e = baueNeu(host.path(), l);
    ASSERT_EQ(e.fehler.toStdString(), "");
    EXPECT_EQ(e.angeboten, QStringList({"LIE_E", "LIKUE"}));
    EXPECT_EQ(aufgaben(host.path(), "LIE_E"), 3);
    EXPECT_EQ(aufgaben(host.path(), "LIE_"), geliefert);
    EXPECT_EQ(wortMit(host.path(), 30001), "Wiese");

    // A word taken out stays in the database under its number but is no longer asked.
    ASSERT_FALSE(uebernimm(
        l, {{0, "Biene", "die", {}, {{"LIE_", 2}}}, {0, "Kind", "das", {}, {{"LIKU", 2}}}}));
    baueNeu(host.path(), l);
    EXPECT_EQ(aufgaben(host.path(), "LIE_E"), 2);
    EXPECT_EQ(wortMit(host.path(), 30001), "Wiese");

    EXPECT_TRUE(baueNeu(host.path(), {}).angeboten.isEmpty());
    EXPECT_EQ(aufgaben(host.path(), "LIE_"), geliefert);
    EXPECT_EQ(wortMit(host.path(), 30000), "");
}

// The saved words as the database holds them, "-30001=Wiese" for one no longer asked.
QString gebauteWoerter(const QString& host) {
    const SqliteDatabase db(host + QStringLiteral("/Vokra-D.mdb"));
    SqliteStatement s = db.prepare(QStringLiteral(
        "SELECT RefNr, Wort, Eigene FROM WortListe WHERE RefNr >= 30000 ORDER BY RefNr"));
    QStringList w;
    while (s.step())
        w.append((s.int64(2) ? "" : "-") + s.value(0).toString() + u'=' + s.value(1).toString());
    return w.join(u' ');
}

// Twenty teachers save at once, each from a process of its own: the saves run one after
// another, no number is handed out twice, and the four files match one another. Links
// planted in the folder lead no save out of it.
TEST(Eigene, TwentySavesAtOnceLeaveMatchingFiles) {
    Host host;
    TempHost aussen;
    aussen.writeBytes("fremd/wichtig.txt", "wichtig");
    for (const char* arbeit : {".eigene-neu", ".eigene-neu-abcdef"})
        QFile::link(aussen.file("fremd"), host.file(arbeit));
    const QStringList vorrat = {"Biene, die, Die Biene sammelt Honig.",
                                "Wiese, die, Die Wiese blüht.", "Ziege, die, Die Ziege meckert.",
                                "Kind, das, Das Kind lacht.", "Hund, der, Der Hund bellt."};
    std::vector<std::unique_ptr<QProcess>> lehrer;
    for (int i = 1; i <= 20; ++i) {
        QStringList zeilen;
        for (int k = 0; k < vorrat.size(); ++k)
            if (i >> k & 1)
                zeilen.append(vorrat[k]);
        host.writeBytes(QString("w%1.txt").arg(i), zeilen.join(u'\n').toUtf8());
        lehrer.push_back(std::make_unique<QProcess>());
        lehrer.back()->start(QStringLiteral(ZAFKU_WOERTER),
                             {"--host", host.path(), host.file(QString("w%1.txt").arg(i))});
    }
    for (auto& p : lehrer) {
        ASSERT_TRUE(p->waitForFinished(600000));
        EXPECT_EQ(p->exitCode(), 0) << p->readAllStandardOutput().toStdString();
    }
    QStringList liste;
    for (const EigenesWort& w : ladeEigeneListe(host.path()).woerter)
        liste.append(QStringLiteral("%1%2=%3").arg(w.entfernt ? "-" : "").arg(w.refNr).arg(w.wort));
    EXPECT_EQ(gebauteWoerter(host.path()), liste.join(u' '));
    EXPECT_EQ(liste.size(), vorrat.size()) << "one number per word";
    // Rebuilt from the teacher's file, exercises and categories come out as they are.
    const QByteArray kmp = host.readBytes("Vokra.kmp"), tsp = host.readBytes("Vokra.tsp");
    ASSERT_EQ(baueNeu(host.path(), ladeEigeneListe(host.path())).fehler.toStdString(), "");
    EXPECT_EQ(host.readBytes("Vokra.kmp"), kmp);
    EXPECT_EQ(host.readBytes("Vokra.tsp"), tsp);
    EXPECT_EQ(aussen.readBytes("fremd/wichtig.txt"), "wichtig");
}

// Killed at any moment, the rebuild leaves files the game still opens.
TEST(Eigene, KilledRebuildLeavesUsableFiles) {
    Host host;
    EigeneListe l = liste({"Biene die LIE_ 2", "Wiese die LIE_ 2", "Kind das LIKU 2"});
    host.writeBytes("Eigene-Woerter.txt", eigeneListeText(l).toUtf8());
    const int geliefert = aufgaben(host.path(), "LIE_");
    const auto neu = [&](int ms) {
        QProcess p;
        p.start(QStringLiteral(ZAFKU_WOERTER), {"--host", host.path(), "--neu"});
        p.waitForStarted();
        if (!p.waitForFinished(ms) && p.processId() > 0)
            ::kill(pid_t(p.processId()), SIGKILL);
        p.waitForFinished();
    };
    QElapsedTimer uhr;
    uhr.start();
    neu(-1); // a whole rebuild, to know how long one takes
    const int dauer = int(uhr.elapsed());
    ASSERT_EQ(aufgaben(host.path(), "LIE_E"), 3);
    ASSERT_EQ(baueNeu(host.path(), {}).fehler.toStdString(), "");
    // Kill points spread over one whole rebuild.
    for (int i = 0; i < 12; ++i) {
        neu(dauer * i / 12);
        EXPECT_EQ(aufgaben(host.path(), "LIE_"), geliefert) << i;
        const int eigene = aufgaben(host.path(), "LIE_E");
        EXPECT_TRUE(eigene == -1 || eigene == 3) << i;
    }
    // A hand-edited list goes through the same checks: a spot the word lacks builds nothing.
    const int vorher = aufgaben(host.path(), "LIE_E");
    host.writeBytes("Eigene-Woerter.txt",
                    "30000 | Biene | die | | LIE_:9\r30001 | Wiese | die | | LIE_:2\r");
    neu(-1);
    EXPECT_EQ(aufgaben(host.path(), "LIE_E"), vorher);
}

} // namespace
