#include "settings/ZafkuIni.h"
#include "startup/SitzungsDaten.h"
#include "support/TempHost.h"

#include <QFile>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

using namespace zafku;

namespace {

SitzungsDaten spieler(const QStringList& namen, const QString& appPfad = {}) {
    SitzungsDaten d;
    d.appPfad = appPfad;
    d.einstAnzahl = 5;
    d.einstSchluessel = {"GegenComputer", QString::fromUtf8("ComputerSpielStärke"),
                         "TonEinschalten", "RatezeitBegrenzen", "EinstellungenSpeichern"};
    d.nSpieler = static_cast<int>(namen.size());
    for (int i = 0; i < namen.size(); ++i)
        d.spielerName[i] = namen[i];
    return d;
}

// Fields in index order: GegenComputer, Stärke, Ton, Ratezeit, Speichern.
std::array<int, 5> felder(const SitzungsDaten& d) {
    return {d.gegenComputer, d.compSpielStaerke, d.tonEin, d.rateZeitBegrenzen, d.einstSpeichern};
}

} // namespace

TEST(LoadVokraIni, ReadsTheSectionAsTheHostWritesIt) {
    const QString staerke = QString::fromUtf8("ComputerSpielStärke");
    const struct {
        const char* fall;
        QStringList zeilen;
        int menschen;
        std::array<int, 5> erwartet;
        int meldungen;
        int nSpieler;
        bool tonKontrolle;
    } faelle[] = {
        {"keys in any order, blanks around values",
         {"[Sound]", "TonEinschalten=1", "[Zafku]", "EinstellungenSpeichern=1",
          "RatezeitBegrenzen=  1  ", staerke + "=1", "TonEinschalten=0", "GegenComputer=0"},
         2,
         {0, 1, 0, 1, 1},
         0,
         2,
         false},
        {"blank before = and comments are not read",
         {"[Zafku]", "TonEinschalten =1", ";RatezeitBegrenzen=1", "EinstellungenSpeichern=1"},
         2,
         {0, 0, 0, 0, 1},
         0,
         2,
         true},
        {"the next heading ends the section",
         {"[Zafku]", "TonEinschalten=1", "[Andere]", "RatezeitBegrenzen=1"},
         2,
         {0, 0, 1, 0, 0},
         0,
         2,
         true},
        {"no section", {"[Spiele]", "TonEinschalten=1"}, 2, {0, 0, 0, 0, 0}, 0, 2, true},
        {"values other than 0 and 1 are refused",
         {"[Zafku]", "TonEinschalten=ja", staerke + "=2", "RatezeitBegrenzen=1"},
         2,
         {0, 0, 0, 1, 0},
         2,
         2,
         true},
        {"a rounded decimal counts",
         {"[Zafku]", "TonEinschalten=0.6"},
         2,
         {0, 0, 1, 0, 0},
         0,
         2,
         true},
        {"computer joins as the last player",
         {"[Zafku]", "GegenComputer=1"},
         3,
         {1, 0, 0, 0, 0},
         0,
         4,
         true},
        {"no seat left for the computer",
         {"[Zafku]", "GegenComputer=1"},
         4,
         {0, 0, 0, 0, 0},
         0,
         4,
         true},
    };
    for (const auto& f : faelle) {
        TempHost host;
        host.writeHostFile("VOKRA.INI", f.zeilen);
        SitzungsDaten d =
            spieler(QStringList({"A", "B", "C", "D"}).mid(0, f.menschen), host.path());
        EinstellKontrollen k;
        EXPECT_EQ(loadVokraIni(d, k).size(), f.meldungen) << f.fall;
        EXPECT_EQ(felder(d), f.erwartet) << f.fall;
        EXPECT_EQ(d.nSpieler, f.nSpieler) << f.fall;
        EXPECT_EQ(d.spielerName[d.nSpieler - 1] == "Computer", f.erwartet[0] == 1) << f.fall;
        EXPECT_EQ(k.computerWaehlbar, f.menschen < 4) << f.fall;
        EXPECT_EQ(k.tonEin, f.tonKontrolle) << f.fall;
        EXPECT_EQ(k.gegenComp, f.erwartet[0] == 1) << f.fall;
    }
}

TEST(LoadVokraIni, RemovesWhatAnInterruptedRewriteLeftBehind) {
    TempHost host;
    host.writeHostFile("Vokra.ini", {"[Zafku]", "TonEinschalten=1"});
    host.writeHostFile("Vokra.tmp", {"[Zafku]", "TonEinschalten=0"});
    SitzungsDaten d = spieler({"A"}, host.path());
    EinstellKontrollen k;
    loadVokraIni(d, k);
    EXPECT_FALSE(QFile::exists(host.file("Vokra.tmp")));
    EXPECT_EQ(d.tonEin, 1);
}

TEST(VokraIniMitEinstellungen, ReplacesOnlyTheSection) {
    SitzungsDaten d = spieler({"A"});
    d.gegenComputer = 1;
    d.tonEin = 1;
    d.einstSpeichern = 1;
    const QByteArray eintraege =
        "GegenComputer=1\r\nComputerSpielSt\xE4rke=0\r\nTonEinschalten=1\r\n"
        "RatezeitBegrenzen=0\r\nEinstellungenSpeichern=1\r\n \r\n";
    const struct {
        const char* fall;
        QByteArray alt;
        QByteArray neu;
    } faelle[] = {
        {"host lines kept byte for byte, other keys dropped, comments kept",
         "; K\xFCr, \"a,b\"\r\n[Sound]\nStart=\"x, y\"\r\n[Zafku]\r\nAlt=1\r\n;GegenComputer=0\r\n"
         "TonEinschalten=0\r\n \r\n[Spiele]\r\nMaximaleSpielDauer=30",
         "; K\xFCr, \"a,b\"\r\n[Sound]\r\nStart=\"x, y\"\r\n[Zafku]\r\n" + eintraege +
             ";GegenComputer=0\r\n[Spiele]\r\nMaximaleSpielDauer=30\r\n"},
        {"heading with blanks, section at the end", "[Spiele]\r\n [Zafku] \r\nTonEinschalten=0\r\n",
         "[Spiele]\r\n [Zafku] \r\n" + eintraege},
        {"no section: heading and entries appended", "[Spiele]\r\nX=1\r\n",
         "[Spiele]\r\nX=1\r\n[Zafku]\r\n" + eintraege},
    };
    for (const auto& f : faelle) {
        EXPECT_EQ(vokraIniMitEinstellungen(f.alt, d), f.neu) << f.fall;
        EXPECT_EQ(vokraIniMitEinstellungen(f.neu, d), f.neu) << f.fall << ": a second rewrite";
    }
}

TEST(SaveVokraIni, StoresWhatLoadReadsBackOnlyWhenAsked) {
    TempHost host;
    host.writeHostFile("Vokra.ini", {"[Zafku]", "TonEinschalten=1"});
    const QByteArray vorher = host.readBytes("Vokra.ini");
    SitzungsDaten d = spieler({"A"}, host.path());
    d.gegenComputer = 1;
    d.compSpielStaerke = 1;
    EinstellKontrollen k;
    k.einstSaveOpt = false;
    EXPECT_EQ(saveVokraIni(d, k), QString());
    EXPECT_EQ(host.readBytes("Vokra.ini"), vorher);

    k.einstSaveOpt = true;
    EXPECT_EQ(saveVokraIni(d, k), QString());
    SitzungsDaten neu = spieler({"A"}, host.path());
    EinstellKontrollen k2;
    loadVokraIni(neu, k2);
    EXPECT_EQ(felder(neu), felder(d));
    EXPECT_EQ(neu.nSpieler, 2);
    EXPECT_TRUE(k2.gegenComp);
    EXPECT_EQ(k2.spSt, 1);
}

TEST(SaveVokraIni, LeavesTheOldFileWhenItCannotWrite) {
    TempHost host;
    host.writeHostFile("Vokra.ini", {"[Zafku]", "TonEinschalten=1"});
    const QByteArray vorher = host.readBytes("Vokra.ini");
    SitzungsDaten d = spieler({"A"}, host.path());
    const EinstellKontrollen k;

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
    EXPECT_TRUE(fehler.contains("Vokra.ini")) << fehler.toStdString();
    EXPECT_EQ(host.readBytes("Vokra.ini"), vorher);
    EXPECT_FALSE(QFile::exists(host.file("Vokra.tmp")));

    QFile::remove(host.file("Vokra.ini"));
    EXPECT_TRUE(saveVokraIni(d, k).contains("nicht mehr vorhanden"));
    EXPECT_FALSE(QFile::exists(host.file("Vokra.ini")));
}

TEST(Einstellungen, OkSeatsOrRemovesTheComputerAndCancelRestores) {
    SitzungsDaten d = spieler({"A", "B", "C"});
    EinstellKontrollen k;
    k.gegenComp = true;
    k.spSt = 1;
    k.tonEin = false;
    EXPECT_TRUE(uebernehmeEinstellungen(d, k));
    EXPECT_EQ(d.nSpieler, 4);
    EXPECT_EQ(d.spielerName[3], "Computer");
    EXPECT_EQ(felder(d), (std::array<int, 5>{1, 1, 0, 0, 1}));
    EXPECT_FALSE(uebernehmeEinstellungen(d, k)) << "seated once only";

    k.gegenComp = false;
    k.tonEin = true;
    verwerfeEinstellungen(d, k);
    EXPECT_TRUE(k.gegenComp);
    EXPECT_FALSE(k.tonEin);

    k.gegenComp = false;
    EXPECT_TRUE(uebernehmeEinstellungen(d, k));
    EXPECT_EQ(d.nSpieler, 3);
    EXPECT_EQ(d.gegenComputer, 0);

    SitzungsDaten voll = spieler({"A", "B", "C", "D"});
    k.gegenComp = true;
    EXPECT_FALSE(uebernehmeEinstellungen(voll, k));
    EXPECT_EQ(voll.gegenComputer, 0) << "no seat, no computer";
}
