#include "MeisterTestStore.h"
#include "platform/LaufzeitFehler.h"
#include "startup/SitzungsDaten.h"
#include "support/TempHost.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QThread>

#include <sqlite3.h>

#include <algorithm>
#include <thread>

using namespace zafku;

namespace {

using Zeilen = std::vector<std::pair<QString, int>>; // game, points

class MeisterListeTest : public ::testing::TestWithParam<std::string> {
  protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(store.bereite());
        if (IsSkipped())
            return;
        liste = std::make_unique<MeisterListe>(store.neu());
    }

    // Writes rows directly, bypassing the rules, as another game or tool would.
    void schreibe(const Zeilen& zeilen) {
        MeisterSpeicher& s = liste->speicher();
        s.oeffneTabelle(MeisterListe::programm());
        for (const auto& [programm, punkte] : zeilen)
            s.fuegeEintragEin({QStringLiteral("P%1").arg(punkte), programm,
                               QStringLiteral("01.12.2026"), punkte});
        s.schliesseDb();
    }

    std::vector<int> punkte(const QString& programm) {
        std::vector<int> p;
        for (const MeisterEintrag& e : liste->speicher().oeffneListe(programm))
            p.push_back(e.punkte);
        return p;
    }

    FrischerSpeicher store{GetParam()};
    std::unique_ptr<MeisterListe> liste;
};

Zeilen zafku(std::initializer_list<int> punkte, const char* programm = "Zafku") {
    Zeilen z;
    for (int p : punkte)
        z.emplace_back(QString::fromLatin1(programm), p);
    return z;
}

Zeilen operator+(Zeilen a, const Zeilen& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

struct Angebot {
    const char* was;
    Zeilen vorher;
    int punkte;
    std::vector<int> zafkuNachher;
};

TEST_P(MeisterListeTest, KeepsTheTenBestRowsOfThisGameAndLeavesOtherGamesAlone) {
    const Zeilen andere = zafku({1, 2, 3, 200}, "Vokra");
    const Angebot faelle[] = {
        {"nine rows take any entry",
         zafku({10, 20, 30, 40, 50, 60, 70, 80, 90}) + andere,
         1,
         {90, 80, 70, 60, 50, 40, 30, 20, 10, 1}},
        {"an entry equal to the smallest stays out",
         zafku({50, 60, 70, 80, 90, 100, 110, 120, 130, 140}) + andere,
         50,
         {140, 130, 120, 110, 100, 90, 80, 70, 60, 50}},
        {"a better entry replaces the smallest",
         zafku({50, 60, 70, 80, 90, 100, 110, 120, 130, 140}) + andere,
         51,
         {140, 130, 120, 110, 100, 90, 80, 70, 60, 51}},
        {"only one of two equal smallest rows goes",
         zafku({50, 50, 70, 80, 90, 100, 110, 120, 130, 140}) + andere,
         60,
         {140, 130, 120, 110, 100, 90, 80, 70, 60, 50}},
        {"more than ten rows lose only the single lowest",
         zafku({5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}) + andere,
         7,
         {16, 15, 14, 13, 12, 11, 10, 9, 8, 7, 7, 6}},
        {"rows above where the minimum search starts are never replaced",
         zafku({100001, 100002, 100003, 100004, 100005, 100006, 100007, 100008, 100009, 100010}),
         200000,
         {200000, 100010, 100009, 100008, 100007, 100006, 100005, 100004, 100003, 100002, 100001}},
    };
    for (const Angebot& f : faelle) {
        SCOPED_TRACE(f.was);
        ASSERT_NO_FATAL_FAILURE(store.bereite());
        liste = std::make_unique<MeisterListe>(store.neu());
        if (GetParam() == "SQLite")
            QFile::remove(store.ort());
        schreibe(f.vorher);
        liste->pruefeEintrag({QStringLiteral("Neu"), MeisterListe::programm(),
                              QStringLiteral("06.12.2026"), f.punkte});
        EXPECT_EQ(punkte(MeisterListe::programm()), f.zafkuNachher);
        std::vector<int> andereNachher;
        for (const auto& [programm, p] : f.vorher)
            if (programm != MeisterListe::programm())
                andereNachher.push_back(p);
        std::sort(andereNachher.rbegin(), andereNachher.rend());
        EXPECT_EQ(punkte(QStringLiteral("Vokra")), andereNachher);
    }
}

TEST_P(MeisterListeTest, OffersPlayersWithPointsAndShowsTheListNumbered) {
    SitzungsDaten daten;
    daten.nSpieler = 4;
    const QString lang = QStringLiteral("Anna-Lena Sophie Mai"); // 20 characters
    daten.spielerName = {lang, QStringLiteral("Tim"), QStringLiteral("Jörg"),
                         QStringLiteral("Computer")};
    daten.punkte[0][0] = 40;
    daten.punkte[1][0] = 0;
    daten.punkte[2][0] = -5;
    daten.punkte[3][0] = 120;
    schreibe(zafku({0}));
    EXPECT_EQ(liste->updateMeister(daten, QStringLiteral("06.12.2026")), QString());

    const QList<MeisterEintrag> zeilen = liste->speicher().oeffneListe(MeisterListe::programm());
    ASSERT_EQ(zeilen.size(), 3); // the 0-point row written beforehand, no row for Tim or Jörg
    EXPECT_EQ(zeilen[0], (MeisterEintrag{QStringLiteral("Computer"), QStringLiteral("Zafku"),
                                         QStringLiteral("06.12.2026"), 120}));
    EXPECT_EQ(zeilen[1].name, lang);

    const MeisterListe::Anzeige a = liste->zeigeListe();
    EXPECT_EQ(a.lfdNr, "1.\r2.\r");
    EXPECT_EQ(a.namen, "Computer\rAnna-Lena Sophie M\r");
    EXPECT_EQ(a.daten, "06.12.2026\r06.12.2026\r");
    EXPECT_EQ(a.punkte, "120\r40\r");
    EXPECT_EQ(a.fehler, QString());
}

// Twenty games end at the same instant, each with three entries; afterwards the table
// holds exactly the ten best of everything offered.
TEST_P(MeisterListeTest, TwentyGamesEndingAtOnceLoseNoTopTenEntry) {
    schreibe(zafku({1, 2, 3, 4, 5}));
    QTemporaryDir dir;
    const QString start = dir.filePath(QStringLiteral("los"));
    std::vector<int> alle = {1, 2, 3, 4, 5};
    std::vector<std::unique_ptr<QProcess>> spiele;
    for (int i = 0; i < 20; ++i) {
        QStringList argumente = {store.art(), store.ort(), start, QStringLiteral("Spiel%1").arg(i)};
        for (int k = 0; k < 3; ++k) {
            const int p = 10 + i + 20 * k;
            argumente.append(QString::number(p));
            alle.push_back(p);
        }
        auto& prozess = spiele.emplace_back(std::make_unique<QProcess>());
        prozess->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        prozess->start(QStringLiteral(MEISTER_SCHREIBER), argumente);
        ASSERT_TRUE(prozess->waitForStarted());
    }
    QFile(start).open(QIODevice::WriteOnly);
    for (auto& prozess : spiele) {
        ASSERT_TRUE(prozess->waitForFinished(120000));
        EXPECT_EQ(prozess->exitCode(), 0);
    }
    std::sort(alle.rbegin(), alle.rend());
    alle.resize(10);
    EXPECT_EQ(punkte(MeisterListe::programm()), alle);
}

INSTANTIATE_TEST_SUITE_P(BothStores, MeisterListeTest, ::testing::Values("SQLite", "PostgreSQL"),
                         [](const auto& info) { return info.param; });

// A store that fails: the end reports it in German, naming the store, the players whose
// points are missing and what is wrong; the list shows the message instead of rows.
TEST(MeisterStoerung, NamesTheStoreAndWhatIsWrong) {
    QTemporaryDir dir;
    const QString mdb = dir.filePath(QStringLiteral("Meister.mdb"));
    const auto beschaedigt = [&] {
        QFile f(mdb);
        f.open(QIODevice::WriteOnly);
        f.write(QByteArray("SQLite format 3\0", 16) + QByteArray(4096, '\x5a'));
    };
    sqlite3* sperre = nullptr;
    const auto gesperrt = [&] {
        sqlite3_open(QFile::encodeName(mdb).constData(), &sperre);
        sqlite3_exec(sperre, "CREATE TABLE t (x); BEGIN EXCLUSIVE; INSERT INTO t VALUES (1)",
                     nullptr, nullptr, nullptr);
    };
    struct Fall {
        const char* was;
        std::function<std::unique_ptr<MeisterSpeicher>()> speicher;
        const char* erwartet;
        QString genannt;
        bool leseFehler = true;
    };
    const QString fehlend = dir.filePath(QStringLiteral("fehlt/Meister.mdb"));
    const QString leer = dir.filePath(QStringLiteral("kein-server"));
    QDir().mkpath(leer);
    const Fall faelle[] = {
        {"damaged file",
         [&] {
             beschaedigt();
             return std::make_unique<SqliteMeisterSpeicher>(mdb);
         },
         "beschädigt", mdb},
        {"locked file",
         [&] {
             gesperrt();
             return std::make_unique<SqliteMeisterSpeicher>(mdb, 50);
         },
         "gesperrt", mdb},
        {"folder missing", [&] { return std::make_unique<SqliteMeisterSpeicher>(fehlend); },
         "kann nicht geöffnet werden", fehlend, false},
        {"server not running",
         [&] {
             return std::make_unique<PgMeisterSpeicher>(
                 QStringLiteral("host=%1 dbname=zafku user=zafku").arg(leer));
         },
         "nicht erreichbar", "host=" + leer + " dbname=zafku user=zafku"},
        {"password in Vokra.ini",
         [&] {
             return std::make_unique<PgMeisterSpeicher>(
                 QStringLiteral("postgresql://zafku:geheim@%1/zafku").arg("schulserver"));
         },
         "Kennwort", QStringLiteral("Vokra.ini")},
    };
    SitzungsDaten daten;
    daten.nSpieler = 2;
    daten.spielerName = {QStringLiteral("Anna"), QStringLiteral("Tim")};
    daten.punkte[0][0] = 10;
    daten.punkte[1][0] = 20;
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.was);
        QFile::remove(mdb);
        MeisterListe liste(f.speicher());
        const QString meldung = liste.updateMeister(daten, QStringLiteral("06.12.2026"));
        EXPECT_TRUE(meldung.startsWith(QStringLiteral("Die Punkte von Anna und Tim ")))
            << meldung.toStdString();
        EXPECT_TRUE(meldung.contains(QString::fromUtf8(f.erwartet))) << meldung.toStdString();
        EXPECT_TRUE(meldung.contains(f.genannt)) << meldung.toStdString();
        EXPECT_FALSE(meldung.contains(QStringLiteral("geheim")));
        // A missing list reads as an empty one.
        const QString gelesen = liste.zeigeListe().fehler;
        EXPECT_EQ(gelesen.contains(QString::fromUtf8(f.erwartet)), f.leseFehler)
            << gelesen.toStdString();
        sqlite3_close(sperre);
        sperre = nullptr;
    }
}

// The server is stopped for this game while it waits for another game's offer.
TEST(MeisterStoerung, ServerGoingAwayMidOfferIsReported) {
    FrischerSpeicher store("PostgreSQL");
    ASSERT_NO_FATAL_FAILURE(store.bereite());
    if (::testing::Test::IsSkipped())
        return;
    PGconn* anderes = PQconnectdb(pgServer().verbindung().toUtf8().constData());
    PQclear(PQexec(anderes, "BEGIN; SELECT pg_advisory_xact_lock(hashtext('Punkte'), "
                            "hashtext('Zafku'))"));
    MeisterListe liste(store.neu());
    QString fehler;
    std::thread spiel([&] {
        try {
            liste.pruefeEintrag({QStringLiteral("Anna"), MeisterListe::programm(),
                                 QStringLiteral("06.12.2026"), 10});
        } catch (const LaufzeitFehler& f) {
            fehler = f.text();
        }
    });
    QString beendet;
    for (int i = 0; i < 500 && beendet != QLatin1String("t"); ++i) {
        QThread::msleep(10);
        beendet = pgWert(QStringLiteral("SELECT pg_terminate_backend(pid) FROM pg_stat_activity "
                                        "WHERE application_name = 'Zafku' AND wait_event_type = "
                                        "'Lock'"));
    }
    spiel.join();
    PQfinish(anderes);
    EXPECT_EQ(beendet, "t");
    EXPECT_TRUE(fehler.contains(QStringLiteral("hat die Verbindung abgebrochen")))
        << fehler.toStdString();
}

TEST(MeisterSpeicherWahl, VokraIniChoosesTheStore) {
    const struct {
        QStringList ini;
        QString bezeichnung;
    } faelle[] = {
        {{"[Zafku]", "TonEinschalten=1"}, "Die Meisterliste %1/User/Meister.mdb"},
        {{"[Meisterliste]", "Server=host=schulserver dbname=zafku user=zafku", "[Zafku]"},
         "Der Meisterlisten-Server (host=schulserver dbname=zafku user=zafku)"},
        {{"[Meisterliste]", "Server=postgresql://lehrer@schulserver:5433/zafku"},
         "Der Meisterlisten-Server (host=schulserver port=5433 dbname=zafku user=lehrer)"},
        {{"[Meisterliste]", "server=host=schulserver port=5433 password=geheim"},
         "Der Meisterlisten-Server (host=schulserver port=5433)"},
        {{"[Zafku]", "Server=host=anderswo"}, "Die Meisterliste %1/User/Meister.mdb"},
    };
    for (const auto& f : faelle) {
        TempHost host;
        host.writeHostFile(QStringLiteral("Vokra.ini"), f.ini);
        EXPECT_EQ(oeffneMeisterSpeicher(host.path(), host.path() + "/User")->bezeichnung(),
                  f.bezeichnung.contains(u'%') ? f.bezeichnung.arg(host.path()) : f.bezeichnung);
    }
}

} // namespace
