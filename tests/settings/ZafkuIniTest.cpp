#include "settings/ZafkuIni.h"
#include "glob/SitzungsDaten.h"
#include "support/TempHost.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <random>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace zafku;

namespace {

SitzungsDaten spieler(int menschen, const QString& appPfad = {}) {
    SitzungsDaten d;
    d.appPfad = appPfad;
    d.einstAnzahl = 5;
    d.einstSchluessel = {"GegenComputer", QString::fromUtf8("ComputerSpielStärke"),
                         "TonEinschalten", "RatezeitBegrenzen", "EinstellungenSpeichern"};
    d.nSpieler = menschen;
    for (int i = 0; i < menschen; ++i)
        d.spielerName[i] = QString(QChar(u'A' + i));
    return d;
}

// The five fields in index order, the players, the boxes for the computer and the sound,
// and the number of messages, e.g. "01011 n2 b01 m0".
QString zustand(const SitzungsDaten& d, const EinstellKontrollen& k, qsizetype meldungen) {
    return QStringLiteral("%1%2%3%4%5 n%6 b%7%8 m%9")
        .arg(d.gegenComputer)
        .arg(d.compSpielStaerke)
        .arg(d.tonEin)
        .arg(d.rateZeitBegrenzen)
        .arg(d.einstSpeichern)
        .arg(d.nSpieler)
        .arg(k.gegenComp)
        .arg(k.tonEin)
        .arg(meldungen);
}

// The temporary files of rewrites that are under way or were cut short.
QStringList tempDateien(const TempHost& host) {
    return QDir(host.path()).entryList({"Vokra.ini.*.tmp"}, QDir::Files | QDir::Hidden);
}

// Vokra.ini as a rewrite of d leaves it, with the sound off and on.
QList<QByteArray> mitTonAusUndAn(const TempHost& host, SitzungsDaten d) {
    const QByteArray alt = host.readBytes("Vokra.ini");
    QList<QByteArray> erlaubt;
    for (d.tonEin = 0; d.tonEin < 2; ++d.tonEin)
        erlaubt << vokraIniMitEinstellungen(alt, d);
    return erlaubt;
}

} // namespace

TEST(LoadVokraIni, ReadsTheSectionAsTheHostWritesIt) {
    const QString staerke = QString::fromUtf8("ComputerSpielStärke");
    const struct {
        QStringList zeilen;
        int menschen;
        const char* erwartet;
    } faelle[] = {
        // Any order, blanks around a value; another section's key does not count.
        {{"[Sound]", "GegenComputer=1", "[Zafku]", "EinstellungenSpeichern=1",
          "RatezeitBegrenzen=  1  ", staerke + "=1", "TonEinschalten=0"},
         2,
         "01011 n2 b00 m0"},
        // A blank before "=" and a comment line are not read; "[" ends the section.
        {{"[Zafku]", "TonEinschalten =0", ";GegenComputer=1", "RatezeitBegrenzen=1", "[Andere]",
          "EinstellungenSpeichern=1"},
         2,
         "00010 n2 b01 m0"},
        {{"[Spiele]", "TonEinschalten=1"}, 2, "00000 n2 b01 m0"},
        {{"[Zafku]", "TonEinschalten=ja", staerke + "=2", "EinstellungenSpeichern=0.6"},
         2,
         "00001 n2 b01 m2"},
        {{"[Zafku]", "GegenComputer=1"}, 3, "10000 n4 b11 m0"},
        {{"[Zafku]", "GegenComputer=1"}, 4, "00000 n4 b01 m0"},
    };
    for (const auto& f : faelle) {
        TempHost host;
        host.writeHostFile("VOKRA.INI", f.zeilen);
        SitzungsDaten d = spieler(f.menschen, host.path());
        EinstellKontrollen k;
        const qsizetype meldungen = loadVokraIni(d, k).size();
        EXPECT_EQ(zustand(d, k, meldungen), f.erwartet) << f.zeilen.join(" | ").toStdString();
        EXPECT_EQ(d.spielerName[d.nSpieler - 1] == "Computer", d.gegenComputer == 1);
        EXPECT_EQ(k.computerWaehlbar, f.menschen < 4);
    }
}

TEST(VokraIniMitEinstellungen, ReplacesOnlyTheSection) {
    SitzungsDaten d = spieler(1);
    d.gegenComputer = 1;
    d.tonEin = 1;
    d.einstSpeichern = 1;
    const QByteArray eintraege =
        "GegenComputer=1\r\nComputerSpielSt\xE4rke=0\r\nTonEinschalten=1\r\n"
        "RatezeitBegrenzen=0\r\nEinstellungenSpeichern=1\r\n \r\n";
    const struct {
        QByteArray alt;
        QByteArray neu;
    } faelle[] = {
        // Host lines byte for byte, another key dropped, the comment kept after the blank.
        {"; K\xFCr, \"a,b\"\r\n[Sound]\nStart=\"x, y\"\r\n[Zafku]\r\nAlt=1\r\n;GegenComputer=0\r\n"
         "TonEinschalten=0\r\n \r\n[Spiele]\r\nMaximaleSpielDauer=30",
         "; K\xFCr, \"a,b\"\r\n[Sound]\r\nStart=\"x, y\"\r\n[Zafku]\r\n" + eintraege +
             ";GegenComputer=0\r\n[Spiele]\r\nMaximaleSpielDauer=30\r\n"},
        {"[Spiele]\r\n [Zafku] \r\nTonEinschalten=0\r\n", "[Spiele]\r\n [Zafku] \r\n" + eintraege},
        {"[Spiele]\r\nX=1\r\n", "[Spiele]\r\nX=1\r\n[Zafku]\r\n" + eintraege},
    };
    for (const auto& f : faelle) {
        EXPECT_EQ(vokraIniMitEinstellungen(f.alt, d), f.neu);
        EXPECT_EQ(vokraIniMitEinstellungen(f.neu, d), f.neu) << "a second rewrite";
    }
}

TEST(SaveVokraIni, WritesWhenAskedAndLeavesTheOldFileOnFailure) {
    TempHost host;
    host.writeHostFile("Vokra.ini", {"[Zafku]", "TonEinschalten=1"});
    const QByteArray vorher = host.readBytes("Vokra.ini");
    SitzungsDaten d = spieler(1, host.path());
    d.gegenComputer = 1;
    d.compSpielStaerke = 1;
    EinstellKontrollen k;

    QFile::setPermissions(host.file("Vokra.ini"), QFileDevice::ReadOwner);
    EXPECT_TRUE(saveVokraIni(d, k).contains("schreibgeschützt"));
    QFile::setPermissions(host.file("Vokra.ini"), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    // A full disk: the file size limit makes the write fail the same way.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit alt{};
    getrlimit(RLIMIT_FSIZE, &alt);
    rlimit eng = alt;
    eng.rlim_cur = 16;
    setrlimit(RLIMIT_FSIZE, &eng);
    const QString fehler = saveVokraIni(d, k);
    setrlimit(RLIMIT_FSIZE, &alt);
    EXPECT_TRUE(fehler.contains("Vokra.ini") && fehler.contains(QString::fromUtf8("zu groß")))
        << fehler.toStdString();
    EXPECT_EQ(host.readBytes("Vokra.ini"), vorher);
    EXPECT_EQ(QDir(host.path()).entryList({"Vokra.ini.*"}), QStringList());
    k.einstSaveOpt = false;
    EXPECT_EQ(saveVokraIni(d, k), QString());
    EXPECT_EQ(host.readBytes("Vokra.ini"), vorher);

    k.einstSaveOpt = true;
    EXPECT_EQ(saveVokraIni(d, k), QString());
    SitzungsDaten neu = spieler(1, host.path());
    EinstellKontrollen k2;
    loadVokraIni(neu, k2);
    EXPECT_EQ(zustand(neu, k2, 0), "11000 n2 b10 m0");

    QFile::remove(host.file("Vokra.ini"));
    EXPECT_TRUE(saveVokraIni(d, k).contains("nicht mehr vorhanden"));
}

TEST(VerwerfeEinstellungen, CancelShowsTheValuesInForceAgain) {
    for (const int wert : {0, 1}) {
        SitzungsDaten d = spieler(1);
        d.gegenComputer = d.compSpielStaerke = d.tonEin = d.rateZeitBegrenzen = d.einstSpeichern =
            wert;
        EinstellKontrollen k;
        k.gegenComp = k.tonEin = k.rateZeitEin = k.einstSaveOpt = wert == 0;
        k.spSt = 1 - wert;
        verwerfeEinstellungen(d, k);
        const auto gezeigt = {k.gegenComp, k.spSt == 1, k.tonEin, k.rateZeitEin, k.einstSaveOpt};
        for (const bool an : gezeigt)
            EXPECT_EQ(an, wert == 1) << "value " << wert;
    }
}

// A link in Vokra.ini's place stays a link; the settings land in the file it points at.
TEST(SaveVokraIni, WritesThroughALinkToItsTarget) {
    TempHost host;
    host.writeHostFile("Ziel/Vokra.ini", {"[Zafku]", "TonEinschalten=1"});
    ASSERT_TRUE(QFile::link(host.file("Ziel/Vokra.ini"), host.file("Vokra.ini")));
    SitzungsDaten d = spieler(1, host.path());
    d.tonEin = 0;
    EXPECT_EQ(saveVokraIni(d, EinstellKontrollen()), QString());
    EXPECT_TRUE(QFileInfo(host.file("Vokra.ini")).isSymLink());
    EXPECT_TRUE(host.readBytes("Ziel/Vokra.ini").contains("TonEinschalten=0"));
}

// A game killed while it rewrites Vokra.ini leaves the old or the new file, never a torn
// or missing one, and the next start clears away its temporary file.
TEST(VokraIniAbbruch, KilledAtAnyInstantLeavesAWholeFile) {
    TempHost host;
    QStringList zeilen = {"; Konfiguration, \"Demo\"", "[Spiele]", "MaximaleSpielDauer=30"};
    // Big enough that a write takes a while to finish.
    for (int i = 0; i < 2000; ++i)
        zeilen << QStringLiteral("Eintrag%1=Wert %1, mit Komma").arg(i);
    zeilen << "[Zafku]"
           << "TonEinschalten=1";
    host.writeHostFile("Vokra.ini", zeilen);

    SitzungsDaten d = spieler(1, host.path());
    const EinstellKontrollen k;
    const QList<QByteArray> erlaubt = mitTonAusUndAn(host, d);
    ASSERT_EQ(saveVokraIni(d, k), QString());

    std::mt19937 zufall(9);
    std::uniform_int_distribution<int> mikrosekunden(0, 4000);
    int tmpGesehen = 0;
    for (int runde = 0; runde < 300; ++runde) {
        int bereit[2];
        ASSERT_EQ(pipe(bereit), 0);
        const pid_t kind = fork();
        ASSERT_GE(kind, 0);
        if (kind == 0) {
            SitzungsDaten eigene = d;
            for (int n = 0;; ++n) {
                eigene.tonEin = n % 2;
                saveVokraIni(eigene, k);
                // From the first finished rewrite on the child rewrites without pause, so
                // the kill below lands at a random point of a rewrite however busy the
                // machine is.
                if (n == 0 && write(bereit[1], "x", 1) != 1)
                    _exit(1);
            }
        }
        close(bereit[1]);
        char zeichen;
        ASSERT_EQ(read(bereit[0], &zeichen, 1), 1);
        close(bereit[0]);
        usleep(static_cast<useconds_t>(mikrosekunden(zufall)));
        kill(kind, SIGKILL);
        waitpid(kind, nullptr, 0);

        const QByteArray jetzt = host.readBytes("Vokra.ini");
        ASSERT_TRUE(erlaubt.contains(jetzt))
            << "round " << runde << ": " << jetzt.size() << " bytes";
        if (!tempDateien(host).isEmpty()) {
            ++tmpGesehen;
            SitzungsDaten start = d;
            EinstellKontrollen kontrollen;
            loadVokraIni(start, kontrollen);
            ASSERT_EQ(tempDateien(host), QStringList()) << "round " << runde;
            ASSERT_EQ(host.readBytes("Vokra.ini"), jetzt);
        }
    }
    // Otherwise no kill hit a rewrite in progress and the test proved nothing.
    EXPECT_GT(tmpGesehen, 0);
    RecordProperty("kills_during_rewrite", tmpGesehen);
}

// Games of a classroom ending together on one shared folder: every rewrite succeeds and
// Vokra.ini is always the whole file of one of them. ZAFKU_GLEICHZEITIG=20x100 runs the
// full classroom; CI keeps it short.
TEST(VokraIniAbbruch, ConcurrentGamesNeverLoseTheOtherSections) {
    int prozesse = 6, runden = 20;
    if (const char* wert = std::getenv("ZAFKU_GLEICHZEITIG"))
        std::sscanf(wert, "%dx%d", &prozesse, &runden);
    TempHost host;
    host.writeHostFile("Vokra.ini",
                       {"[Spiele]", "MaximaleSpielDauer=30", "[Sound]", "ProgrammEnde=Ende.wav",
                        "[Zafku]", "TonEinschalten=1", "[Meisterliste]", "Anzahl=10"});
    const SitzungsDaten d = spieler(1, host.path());
    const EinstellKontrollen k;
    const QList<QByteArray> erlaubt = mitTonAusUndAn(host, d);

    std::vector<pid_t> kinder;
    for (int p = 0; p < prozesse; ++p) {
        const pid_t kind = fork();
        ASSERT_GE(kind, 0);
        if (kind == 0) {
            SitzungsDaten eigene = d;
            int fehler = 0;
            for (int n = 0; n < runden; ++n) {
                eigene.tonEin = (p + n) % 2;
                fehler += !saveVokraIni(eigene, k).isEmpty();
                fehler += !erlaubt.contains(host.readBytes("Vokra.ini"));
            }
            _exit(std::min(fehler, 100));
        }
        kinder.push_back(kind);
    }
    int fehler = 0;
    for (const pid_t kind : kinder) {
        int status = 0;
        waitpid(kind, &status, 0);
        fehler += WIFEXITED(status) ? WEXITSTATUS(status) : 1000;
    }
    EXPECT_EQ(fehler, 0);
    EXPECT_TRUE(erlaubt.contains(host.readBytes("Vokra.ini")));
    EXPECT_EQ(tempDateien(host), QStringList());
}
