#include "bericht/Kategorienliste.h"
#include "eigene/EigeneDatei.h"
#include "eigene/Neubau.h"
#include "eigene/Pruefstand.h"
#include "eigene/StellenName.h"
#include "glob/HostDateien.h"
#include "glob/SitzungsDaten.h"
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

EigeneListe liste(const QStringList& woerter) {
    EigeneListe l;
    QList<EigenesWort> neu;
    const auto feld = [](const QString& w, int i) { return w.section(u' ', i, i); };
    for (const QString& w : woerter)
        neu.append({0, feld(w, 0), feld(w, 1), {}, {{feld(w, 2), feld(w, 3).toInt()}}});
    EXPECT_FALSE(uebernimm(l, neu));
    return l;
}

// The words with their numbers, "-30001=Wiese" for one no longer asked.
QString nummern(const EigeneListe& l) {
    QStringList text;
    for (const EigenesWort& w : l.woerter)
        text.append(QStringLiteral("%1%2=%3").arg(w.entfernt ? "-" : "").arg(w.refNr).arg(w.wort));
    return text.join(u' ');
}

// Each line as the teacher sees it: the spots ("-" before one left unticked, with its
// reason), then the findings ("(Hinweis)" after one that does not block).
TEST(Eigene, ProposesSpotsAndNamesEachFault) {
    Host host;
    QString fehler;
    auto p = Pruefstand::lade(host.path(), QStringLiteral("/usr/share/dict/ngerman"), fehler);
    ASSERT_TRUE(p) << fehler.toStdString();
    p->artikel.insert(QStringLiteral("Biene"), QStringLiteral("die"));
    const char* const faelle[][3] = {
        {"Biene, die, Biene sammelt Honig.", nullptr, ""}, // the word first
        {"Biene, die, Die Biene summt im Gartn.", nullptr,
         "Im Satz zu 'Biene' kennt die Rechtschreibprüfung 'Gartn' nicht."},
        {"rennen, Tunwort, Brennen ist gefährlich, rennen nicht.", nullptr, ""}, // once
        {"Biehne, die", nullptr,
         "Das Wort 'Biehne' steht nicht im Wörterbuch – Tippfehler? Meinten Sie 'Biene'?|Mit 'ie' "
         "statt 'ieh' wird aus 'Biehne' das Wort 'Biene'. Bitte einen Satz angeben, der zeigt, "
         "welches gemeint ist."},
        {"Biene, die, Die Bienen fliegen.", nullptr,
         "Der Satz zu 'Biene' muss das Wort genau einmal enthalten, so geschrieben (jetzt 0-mal)."},
        {"Lied, das", nullptr,
         "Mit 'i' statt 'ie' wird aus 'Lied' das Wort 'Lid'. Bitte einen Satz angeben, der zeigt, "
         "welches gemeint ist."},
        {"Lied, das, Wir singen ein Lied.", nullptr,
         "Mit 'i' statt 'ie' wird aus 'Lied' das Wort 'Lid'. Zeigt der Satz, welches gemeint ist? "
         "(Hinweis)"},
        {"Biene, der", nullptr, "Es heißt 'die Biene', nicht 'der Biene'."},
        {"biene, die", nullptr,
         "Das Wort 'biene' steht nicht im Wörterbuch – Tippfehler? Meinten Sie 'Biene'?|'biene' "
         "hat den Artikel 'die', dann ist es ein Namenwort und wird großgeschrieben."},
        {"Bie\"ne, die", nullptr, "In Zeile 1 steht kein einzelnes Wort vorne."},
        {"Schifffahrtsgesellschaftskapitänsmützenabzeichen, das", "",
         "Das Wort in Zeile 1 ist länger als 40 Buchstaben."},
        {"Biene, die Biene aus dem Garten", nullptr,
         "Die Angabe zu 'Biene' ist länger als 20 Zeichen; gemeint ist der Artikel oder die "
         "Wortart."},
        {"Straße, die",
         "Großschreibung (Namenwort)|-langes a ohne h und nicht doppelt (Straße) – unsicher: das "
         "Wort übt schon »ß nach langem Selbstlaut«|ß nach langem Selbstlaut (Straße)|st oder sp "
         "am Wortanfang (Straße)",
         ""},
        {"Schnecke, die", "Großschreibung (Namenwort)|ck nach kurzem Selbstlaut (Schnecke)", ""},
        {"heiß, Wiewort", "Kleinschreibung (Wiewort)|ß nach Zwielaut (heiß)|ei oder ie (heiß)",
         "Mit 'ie' statt 'ei' wird aus 'heiß' das Wort 'hieß'. Bitte einen Satz angeben, der "
         "zeigt, welches gemeint ist."},
        {"Nudel, der, Die Nudel ist lang.",
         "Großschreibung (Namenwort)|langes u ohne h und nicht doppelt (Nudel)",
         "Im Satz steht 'Die Nudel', angegeben ist aber 'der'. Bitte den Artikel oder den Satz "
         "verbessern."},
        {"Wal, der", "Großschreibung (Namenwort)|langes a ohne h und nicht doppelt (Wal)",
         "Mit 'ah' statt 'a' wird aus 'Wal' das Wort 'Wahl'. Bitte einen Satz angeben, der zeigt, "
         "welches gemeint ist."},
        {"Kamm, der, Ich kämme mich mit dem Kamm.",
         "Großschreibung (Namenwort)|mm nach kurzem Selbstlaut (Kamm)",
         "Der Satz zu 'Kamm' verrät die Schreibung: 'kämme' ist mit 'Kamm' verwandt. Bitte einen "
         "Satz ohne verwandtes Wort wählen."},
        {"Bank, die",
         "Großschreibung (Namenwort)|k nach l, n oder r (Bank)|-b oder p am Wortanfang (Bank) – "
         "unsicher: ein einzelnes »b« ist nicht immer die schwierige Stelle",
         ""},
        {"Wespe, die", "Großschreibung (Namenwort)", ""},
        {"Uhr, die", "Großschreibung (Namenwort)|Dehnungs-h: uh (Uhr)", ""},
        {"Fahrrad, das",
         "Großschreibung (Namenwort)|Dehnungs-h: ah (Fahrrad)|-langes a ohne h und nicht doppelt "
         "(Fahrrad) – unsicher: das Wort übt schon »Dehnungs-h: ah«|-rr nach kurzem Selbstlaut "
         "(Fahrrad) – unsicher: die Vorlesestimme spricht das »a« lang|d oder t am Wortende "
         "(Fahrrad)",
         ""},
        {"Vase, die",
         "Großschreibung (Namenwort)|langes a ohne h und nicht doppelt (Vase)|-einfaches s (Vase) "
         "– unsicher: ein einzelnes »s« ist nicht immer die schwierige Stelle|-v, gesprochen wie f "
         "(Vase) – unsicher: dieselbe Stelle passt auch zu »v, gesprochen wie w«|-v, gesprochen "
         "wie w (Vase) – unsicher: dieselbe Stelle passt auch zu »v, gesprochen wie f«",
         ""},
        {"Schnekce, die", "Großschreibung (Namenwort)",
         "Das Wort 'Schnekce' steht nicht im Wörterbuch – Tippfehler? Meinten Sie 'Schnecke'?"},
        // "+": every offered spot ticked.
        {"+Fußball, der", nullptr,
         "Die Vorlesestimme spricht das 'u' in 'Fußball' kurz; zu »ß nach langem Selbstlaut« "
         "gehört es lang oder als Zwielaut. Beim Vorlesen hört das Kind also etwas anderes, als "
         "die Regel sagt. (Hinweis)"},
        {"+Tiger, der", nullptr,
         "Die Vorlesestimme spricht das 'i' in 'Tiger' lang; zu »i für kurzes i« gehört es kurz. "
         "Beim Vorlesen hört das Kind also etwas anderes, als die Regel sagt. (Hinweis)"},
    };
    for (const auto& f : faelle) {
        const bool alle = f[0][0] == '+';
        PruefWort w{leseEingabe(QString::fromUtf8(f[0] + alle)).value(0), {}};
        QList<bool> an;
        const QList<Vorschlag> v = p->vorschlagen(w.eingabe, {}, an);
        QStringList stellen;
        for (int i = 0; i < v.size(); ++i) {
            stellen.append((an[i] ? "" : "-") + stellenZeile(v[i], w.eingabe.wort));
            if (an[i] || alle)
                w.stellen.append(v[i]);
        }
        if (f[1])
            EXPECT_EQ(stellen.join(u'|').toStdString(), f[1]) << f[0];
        QStringList texte;
        for (const Befund& b : pruefe({w}, p->mittel()))
            texte.append(b.text + (b.sperrt ? "" : " (Hinweis)"));
        EXPECT_EQ(texte.join(u'|').toStdString(), f[2]) << f[0];
    }
}

// A teacher's file in another encoding is named as such, never half read.
TEST(Eigene, WordFileIsUtf8OrNamedForWhatItIs) {
    TempHost host;
    const std::pair<QByteArray, const char*> faelle[] = {
        // the finding, "" when read
        {"\xef\xbb\xbf\x42iene, die\rWiese, die\r", ""},
        {"Biene\xe4", "Windows-1252"},
        {QByteArray("\xff\xfe\x42\0i\0", 6), "UTF-16"},
        {QByteArray("B\0i\0", 4), "UTF-16"},
        {QByteArray("Bi\0ne", 5), "Binärdaten"},
        {QByteArray(maxWortDatei + 1, 'a'), "größer als 1024 KB"},
    };
    for (const auto& [bytes, befund] : faelle) {
        host.writeBytes("w.txt", bytes);
        QString fehler;
        const auto text = leseWortDatei(host.file("w.txt"), fehler);
        EXPECT_EQ(text.has_value(), !*befund) << befund;
        EXPECT_TRUE(fehler.contains(befund)) << fehler.toStdString();
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
    EXPECT_EQ(nummern(leseEigeneListe(eigeneListeText(l))).toStdString(),
              "30000=Biene -30001=Wiese -30002=Kind 30003=Fisch");
    EXPECT_EQ(leseEigeneListe(eigeneListeText(l)).naechsteNummer, 30004);
    // A code of a hand-edited file is written as it stands, even one holding "%0".
    const EigeneListe prozent = leseEigeneListe(eigeneListeText(liste({"Biene die %0X 2"})));
    EXPECT_EQ(prozent.woerter.value(0).marken.value(0).code, "%0X");
    // Control spaces part marks like blanks, so the list reads back as it was written.
    const EigeneListe vt =
        leseEigeneListe(QStringLiteral("30000 | Biene | die | Sie summt. | De \vLIE_:2"));
    EXPECT_EQ(vt.woerter.value(0).marken.value(0).code, "LIE_");
    l.naechsteNummer = letzteNummer;
    EXPECT_FALSE(uebernimm(l, {{0, "Tier", "das", {}, {}}}));
    EXPECT_TRUE(uebernimm(l, {{0, "Tier", "das", {}, {}}, {0, "Tor", "das", {}, {}}}));
}

// Both lists as the game asks them, the teacher's words with "*"; "-" when it does not load.
QString listen(const QString& host, const QString& code) {
    SkriptZufall z;
    RdbManager rdb(z);
    try {
        rdb.openRdb(host);
        rdb.loadKategorie(code);
    } catch (const LaufzeitFehler&) {
        return "-";
    }
    QStringList teile;
    for (const bool liste2 : {false, true}) {
        QStringList w;
        for (int n = 1; n <= (liste2 ? rdb.kategorie.anzahl2 : rdb.kategorie.anzahl1); ++n)
            if (rdb.gotoAufgabe(n, liste2))
                w.append(rdb.aufgabe.aktWort + (rdb.aufgabe.aktRefNr >= ersteNummer ? "*" : ""));
        teile.append(w.join(u' '));
    }
    return teile.join(" | ");
}

// List 1 the teacher's, list 2 shipped contrast words named to the teacher; earlier weeks kept.
TEST(Eigene, RebuildMakesOneWeekOfTheTeachersWords) {
    Host host;
    host.writeBytes("Vokra.tsp", host.readBytes("Vokra.tsp") + " \r\n"); // ends in a blank line
    const int geliefert = aufgaben(host.path(), "LIE_");
    ASSERT_GT(geliefert, 0);
    EigeneListe l = liste({"Biene die LIE_ 2", "Wiese die LIE_ 2", "Kind das LIKU 2"});
    const NeubauErgebnis e = baueNeu(host.path(), l, {false, QDate(2026, 11, 30)});
    ASSERT_EQ(e.fehler.toStdString(), "");
    EXPECT_EQ(e.angeboten, QStringList({"WOCHE"}));
    const QString woche = listen(host.path(), "WOCHE");
    EXPECT_EQ(woche.section(" | ", 0, 0).toStdString(), "Biene* Wiese* Kind*");
    const QStringList kontrast = woche.section(" | ", 1).split(u' ', Qt::SkipEmptyParts);
    ASSERT_FALSE(kontrast.isEmpty());
    for (const QString& k : kontrast) {
        EXPECT_FALSE(k.endsWith(u'*')) << k.toStdString();
        EXPECT_TRUE(e.hinweis.contains(k)) << e.hinweis.toStdString();
    }
    SitzungsDaten spiel; // the title as the game finds it
    spiel.appPfad = host.path();
    spiel.feldName = "WOCHE";
    leseKategorieText(spiel);
    EXPECT_EQ(spiel.katTitel, "Wörter der Woche");

    // A word taken out stays in the database under its number but is no longer asked.
    ASSERT_FALSE(uebernimm(
        l, {{0, "Biene", "die", {}, {{"LIE_", 2}}}, {0, "Kind", "das", {}, {{"LIKU", 2}}}}));
    const NeubauErgebnis behalten = baueNeu(host.path(), l, {true, QDate(2026, 12, 7)});
    EXPECT_EQ(behalten.angeboten, QStringList({"WOCHE", "W20261130"}));
    EXPECT_EQ(listen(host.path(), "WOCHE").section(" | ", 0, 0).toStdString(), "Biene* Kind*");
    EXPECT_EQ(listen(host.path(), "W20261130"), woche);
    EXPECT_EQ(gebauteWoerter(host.path()), "30000=Biene -30001=Wiese 30002=Kind");
    QStringList tsp;
    for (const bericht::TspEintrag& t : bericht::leseTsp(host.path()).mid(0, 3))
        tsp.append(t.titel + u'=' + t.code);
    EXPECT_EQ(tsp.join(" | ").toStdString(), "Wörter der Woche=>>>W | Wörter der Woche=WOCHE | "
                                             "Wörter der Woche 30.11.2026=W20261130");

    // Without the choice this week's exercise is replaced; the kept one stays.
    EXPECT_EQ(baueNeu(host.path(), l, {false, QDate(2026, 12, 14)}).angeboten,
              QStringList({"WOCHE", "W20261130"}));
    EXPECT_EQ(listen(host.path(), "W20261207"), "-");
    // Weeks whose words the teacher's file no longer holds are gone.
    EXPECT_TRUE(baueNeu(host.path(), {}).angeboten.isEmpty());
    EXPECT_EQ(listen(host.path(), "WOCHE"), "-");
    EXPECT_EQ(aufgaben(host.path(), "LIE_"), geliefert);
    EXPECT_EQ(gebauteWoerter(host.path()), "");

    QFile::remove(host.file("Vokra-D.mdb"));
    EXPECT_TRUE(baueNeu(host.path(), l).fehler.contains("fehlen")) << "nothing to build on";
}

// Each from a process of its own: no number handed out twice; planted links lead nowhere.
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
    const QString liste = nummern(ladeEigeneListe(host.path()));
    EXPECT_EQ(gebauteWoerter(host.path()), liste);
    EXPECT_EQ(liste.count(u'='), vorrat.size()) << "one number per word";
    // Rebuilt from the teacher's file, exercises and categories come out as they are.
    const QByteArray kmp = host.readBytes("Vokra.kmp"), tsp = host.readBytes("Vokra.tsp");
    ASSERT_EQ(baueNeu(host.path(), ladeEigeneListe(host.path())).fehler.toStdString(), "");
    EXPECT_EQ(host.readBytes("Vokra.kmp"), kmp);
    EXPECT_EQ(host.readBytes("Vokra.tsp"), tsp);
    EXPECT_EQ(aussen.readBytes("fremd/wichtig.txt"), "wichtig");
}

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
    const int woche = aufgaben(host.path(), "WOCHE");
    ASSERT_GT(woche, 3);
    ASSERT_EQ(baueNeu(host.path(), {}).fehler.toStdString(), "");
    // Kill points spread over one whole rebuild.
    for (int i = 0; i < 12; ++i) {
        neu(dauer * i / 12);
        EXPECT_EQ(aufgaben(host.path(), "LIE_"), geliefert) << i;
        const int eigene = aufgaben(host.path(), "WOCHE");
        EXPECT_TRUE(eigene == -1 || eigene == woche) << i;
    }
    // A hand-edited list goes through the same checks: a spot the word lacks builds nothing.
    const int vorher = aufgaben(host.path(), "WOCHE");
    host.writeBytes("Eigene-Woerter.txt",
                    "30000 | Biene | die | | LIE_:9\r30001 | Wiese | die | | LIE_:2\r");
    neu(-1);
    EXPECT_EQ(aufgaben(host.path(), "WOCHE"), vorher);
}

} // namespace
