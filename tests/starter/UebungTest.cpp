#include "bericht/Lehrmaterial.h"
#include "highscore/MeisterListe.h"
#include "highscore/SqliteMeisterSpeicher.h"
#include "kartei/Wortkartei.h"
#include "rdb/RdbManager.h"
#include "starter/SpielErgebnis.h"
#include "starter/UebungsOrdner.h"
#include "support/DemoWort.h"
#include "support/TempHost.h"
#include "support/TestZufall.h"
#include "support/VollePlatte.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace zafku;
using namespace zafku::starter;

namespace {

const QString kHost = QStringLiteral(ZAFKU_HOST_DIR);

// A task as the game asks it: "word: right filling of choices, sorted".
QString aufgabe(const RdbManager& rdb, bool liste2) {
    const Aufgabe& a = rdb.aufgabe;
    QStringList wahl = rdb.buildAuswahlListe(liste2).split(u',');
    wahl.sort();
    return a.aktWort + ": " + a.aktWort.mid(a.aktVonPos - 1, a.aktLupLaenge) + " of " +
           wahl.join(u',');
}

// The practice of the due words in a freshly laid folder; the game's database at its exercise.
struct GelegteUebung {
    explicit GelegteUebung(const QList<int>& faellig)
        : uebung(planeUebung(material, faellig)),
          ordner(UebungsOrdner::lege(kHost, uebung, &fehler)) {
        if (ordner) {
            rdb.openRdb(ordner->pfad());
            rdb.loadKategorie(uebung.kennung);
        }
    }
    bericht::Lehrmaterial material{kHost};
    const Uebung uebung;
    QString fehler;
    std::unique_ptr<UebungsOrdner> ordner;
    SkriptZufall zufall;
    RdbManager rdb{zufall};
};

} // namespace

// The second list holds words whose right answer is another of the choices.
TEST(Uebung, TheGameAsksTheDueWordsAtTheirSpotsWithContrastWords) {
    const QByteArray kmpVorher = leseDatei(kHost + "/Vokra.kmp");
    const QList<int> faellig = {refNr("Biene"), refNr("Zucker"), refNr("Straße"), refNr("das")};
    GelegteUebung g(faellig);
    ASSERT_TRUE(g.ordner) << g.fehler.toStdString();
    RdbManager& rdb = g.rdb;
    QStringList liste1, liste2;
    for (const bool zwei : {false, true})
        for (int n = 1; n <= (zwei ? rdb.kategorie.anzahl2 : rdb.kategorie.anzahl1); ++n)
            if (rdb.gotoAufgabe(n, zwei))
                (zwei ? liste2 : liste1).append(aufgabe(rdb, zwei));
    EXPECT_EQ(liste1.join(" | ").toStdString(),
              "Biene: ie of i,ie,ih | Zucker: ck of ck,k,kk | das: das of das,dass | Straße: ß of "
              "ss,ß");
    ASSERT_EQ(liste2.size(), 2 * faellig.size()) << "two contrast words for every due word";
    for (const QString& kontrast : liste2) {
        const QString satz = kontrast.section(" of ", 1);
        const auto gleich = std::find_if(liste1.begin(), liste1.end(), [&](const QString& a) {
            return a.section(" of ", 1) == satz;
        });
        ASSERT_NE(gleich, liste1.end()) << kontrast.toStdString();
        EXPECT_NE(kontrast.section(": ", 1), gleich->section(": ", 1)) << kontrast.toStdString();
    }
    EXPECT_EQ(leseDatei(kHost + "/Vokra.kmp"), kmpVorher) << "the shared files stay as they are";
}

// The practice folder's own User/ lines join the child's shared protocol file.
TEST(Uebung, PracticeAnswersReachTheChildsFileButNeverThroughALink) {
    GelegteUebung g({refNr("Biene")});
    ASSERT_TRUE(g.ordner) << g.fehler.toStdString();
    const QString user = kHost + "/User/";
    QTemporaryDir aussen;
    const QString aussenDatei = aussen.filePath("x.tmp");
    QFile::link(aussenDatei, user + "gelinkt.tmp");
    schreibeDatei(user + "uebt.tmp", "alt\r\n");
    for (const QString kind : {"uebt", "gelinkt"})
        schreibeDatei(g.ordner->pfad() + "/User/" + kind + ".tmp", "neu\r\n");
    EXPECT_TRUE(g.ordner->uebernimmProtokoll(kHost, "uebt", &g.fehler));
    EXPECT_FALSE(g.ordner->uebernimmProtokoll(kHost, "gelinkt", &g.fehler));
    EXPECT_TRUE(g.ordner->uebernimmProtokoll(kHost, "keineAntwort", &g.fehler))
        << "nothing to hand on";
    {
        const VollePlatte voll;
        EXPECT_FALSE(g.ordner->uebernimmProtokoll(kHost, "uebt", &g.fehler));
    }
    EXPECT_EQ(leseDatei(user + "uebt.tmp"), "alt\r\nneu\r\n");
    EXPECT_FALSE(QFile::exists(aussenDatei));
    QFile::remove(user + "uebt.tmp");
    QFile::remove(user + "gelinkt.tmp");
}

TEST(Uebung, AFullDiskIsToldBeforeTheGameStarts) {
    const VollePlatte voll;
    GelegteUebung g({refNr("Biene")});
    EXPECT_FALSE(g.ordner);
    EXPECT_TRUE(g.fehler.endsWith(QString::fromUtf8("lässt sich nicht kopieren.")))
        << g.fehler.toStdString();
}

// Haarschnitt, practised at "aa", is not asked at its marked "i" (Kind shares the exercise).
TEST(Uebung, APractisedWordIsAskedOnlyAtItsPractisedSpot) {
    GelegteUebung g({refNr("Kind"), refNr("Haarschnitt")});
    ASSERT_EQ(g.uebung.woerter.size(), 2);
    ASSERT_TRUE(g.ordner) << g.fehler.toStdString();
    RdbManager& rdb = g.rdb;
    QMap<QString, int> stellen;
    for (int n = 1; n <= rdb.kategorie.anzahl1; ++n)
        if (rdb.gotoAufgabe(n, false))
            stellen.insert(rdb.aufgabe.aktWort, rdb.aufgabe.aktVonPos);
    for (const UebungsWort& w : g.uebung.woerter)
        EXPECT_EQ(stellen.value(w.wort), w.vonPos) << w.wort.toStdString();
}

// The practice game's points join the shared list by its rules; other games' rows stay.
TEST(Uebung, PracticePointsJoinTheSharedHighScoreList) {
    GelegteUebung g({refNr("Biene")});
    ASSERT_TRUE(g.ordner) << g.fehler.toStdString();
    TempHost geteilt;
    QDir().mkpath(geteilt.file("User"));
    EXPECT_TRUE(g.ordner->uebernimmMeisterliste(geteilt.path(), &g.fehler))
        << "no points, nothing to do";
    MeisterListe hier(
        std::make_unique<SqliteMeisterSpeicher>(g.ordner->pfad() + "/User/Meister.mdb"));
    const MeisterEintrag anna{"Anna", "Zafku", "07.12.2026", 120};
    hier.pruefeEintrag(anna);
    hier.pruefeEintrag({"Anna", "Anderes", "07.12.2026", 300});
    ASSERT_TRUE(g.ordner->uebernimmMeisterliste(geteilt.path(), &g.fehler))
        << g.fehler.toStdString();
    auto liste = oeffneMeisterSpeicher(geteilt.path(), geteilt.file("User"));
    EXPECT_EQ(liste->oeffneListe("Zafku"), QList<MeisterEintrag>{anna});
    EXPECT_TRUE(liste->oeffneListe("Anderes").isEmpty());
}

TEST(SpielErgebnis, LinesShowTheGamesWinnerAndEachChild) {
    QList<KindErgebnis> e = {{"Anna", "anna", 1, 2, {"Biene", "Kind"}, {}},
                             {"Tim", "tim", 3, 0, {}, {"Hund"}},
                             {"Ben", "ben", 0, 0, {}, {}},
                             {"Mia", "mia", 2, 0, {}, {}}};
    SpielBilanz b; // no account of Mia
    b.plaetze = {{"tim", "Tim", 12, 0}, {"anna", "Anna", 140, 1}, {"ben", "Ben", 1, 2}};
    uebernimm(e, b);
    // Each line as its kind's letter (Gewinner, Name, Richtig, Zafkus, Zurück, Gelernt) and text.
    QStringList zeilen;
    for (const ErgebnisZeile& z : ergebnisZeilen(e, "Anna"))
        zeilen.append(QStringLiteral("GNRZUL")[z.art] + QStringLiteral(" ") + z.text);
    EXPECT_EQ(
        zeilen.join(" | ").toStdString(),
        "G Anna hat gewonnen! | N Anna | R 1 Wort richtig geschrieben | Z 1 Zafku und 140 "
        "Punkte | U Diese Wörter üben wir morgen noch einmal: Biene, Kind | N Tim | R 3 Wörter "
        "richtig geschrieben | Z Kein Zafku, 12 Punkte | L Super, das kannst du jetzt: Hund | "
        "N Ben | R 0 Wörter richtig geschrieben | Z 2 Zafkus und 1 Punkt | N Mia | R 2 Wörter "
        "richtig geschrieben");
    EXPECT_EQ(ergebnisZeilen(e.mid(3), "").size(), 2);

    const QDate heute(2026, 12, 7);
    kartei::KindKartei k;
    k.karten = {{1, {1, 1, heute}},
                {2, {2, 2, heute.addDays(1)}},
                {3, {3, kartei::kGelernt, {}}},
                {4, {4, 5, heute.addDays(-3)}}};
    EXPECT_EQ(faelligeWoerter(k, heute), QList<int>({1, 4}));
}

// A game folder without its word list is named in the message.
TEST(Uebung, AGameFolderWithoutItsWordListIsNamed) {
    TempHost host;
    host.writeBytes("zafku", "");
    host.writeBytes("Vokra-D.mdb", "");
    bericht::Lehrmaterial material(kHost);
    QString fehler;
    EXPECT_FALSE(
        UebungsOrdner::lege(host.path(), planeUebung(material, {refNr("Biene")}), &fehler));
    EXPECT_EQ(fehler, "Das Übungsspiel kann nicht vorbereitet werden: Im Spielordner " +
                          host.path() + " fehlt zafku, Vokra.tsp oder Vokra-D.mdb.");
}

// The results screen's words come from the child's new lines: one written wrong comes back.
TEST(SpielErgebnis, ReadsTheWordsOfTheChildsNewLines) {
    TempHost host;
    host.writeBytes("User/anna.tmp", QByteArray::number(refNr("Biene")) + "= Bine\r\n");
    const auto speicher = kartei::oeffneKarteiSpeicher(host.path(), host.file("User"));
    bericht::Lehrmaterial material(kHost);
    const auto e = leseSpieler(*speicher, material, host.path(), {{"Anna", "anna"}}, {2026, 12, 7});
    ASSERT_EQ(e.size(), 1);
    EXPECT_EQ(e[0].zurueck, QStringList{"Biene"});
    EXPECT_EQ(e[0].falsch, 1);
}
