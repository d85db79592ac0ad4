#include "settings/ZafkuIni.h"
#include "glob/SitzungsDaten.h"
#include "support/TempHost.h"
#include "support/VollePlatte.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

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

// The five fields, players, computer, sound and saving boxes, messages: "01011 n2 b011 m0".
QString zustand(const SitzungsDaten& d, const EinstellKontrollen& k, qsizetype meldungen) {
    return QString::asprintf("%d%d%d%d%d n%d b%d%d%d m%d", d.gegenComputer, d.compSpielStaerke,
                             d.tonEin, d.rateZeitBegrenzen, d.einstSpeichern, d.nSpieler,
                             int(k.gegenComp), int(k.tonEin), int(k.einstSaveOpt), int(meldungen));
}

// The temporary files of rewrites that are under way or were cut short.
QStringList tempDateien(const TempHost& host) {
    return QDir(host.path()).entryList({"Vokra.ini.*.tmp"}, QDir::Files | QDir::Hidden);
}

} // namespace

TEST(LoadVokraIni, ReadsTheSectionAsTheHostWritesIt) {
    const std::tuple<int, const char*, const char*> faelle[] = {
        // Any order, blanks around a value; another section's key does not count.
        {2, "01011 n2 b001 m0",
         "[Sound]|GegenComputer=1|[Zafku]|EinstellungenSpeichern=1|RatezeitBegrenzen=  1  |"
         "ComputerSpielStärke=1|TonEinschalten=0"},
        // A blank before "=" and a comment line are not read; "[" ends the section.
        {2, "00010 n2 b011 m0",
         "[Zafku]|TonEinschalten =0|;GegenComputer=1|RatezeitBegrenzen=1|[Andere]|"
         "EinstellungenSpeichern=1"},
        {2, "00001 n2 b011 m2",
         "[Zafku]|TonEinschalten=ja|ComputerSpielStärke=2|EinstellungenSpeichern=0.6"},
        {3, "10000 n4 b111 m0", "[Zafku]|GegenComputer=1"},
        {4, "00000 n4 b011 m0", "[Zafku]|GegenComputer=1"},
    };
    for (const auto& [menschen, erwartet, zeilen] : faelle) {
        TempHost host;
        host.writeHostFile("VOKRA.INI", QString::fromUtf8(zeilen).split(u'|'));
        SitzungsDaten d = spieler(menschen, host.path());
        EinstellKontrollen k;
        const qsizetype meldungen = loadVokraIni(d, k).size();
        EXPECT_EQ(zustand(d, k, meldungen), erwartet) << zeilen;
        EXPECT_EQ(d.spielerName[d.nSpieler - 1] == "Computer", d.gegenComputer == 1);
        EXPECT_EQ(k.computerWaehlbar, menschen < 4);
    }
}

TEST(VokraIniMitEinstellungen, ReplacesOnlyTheSection) {
    SitzungsDaten d = spieler(1);
    d.gegenComputer = d.tonEin = d.einstSpeichern = 1;
    const QByteArray eintraege =
        "GegenComputer=1\r\nComputerSpielSt\xE4rke=0\r\nTonEinschalten=1\r\n"
        "RatezeitBegrenzen=0\r\nEinstellungenSpeichern=1\r\n \r\n";
    const std::pair<QByteArray, QByteArray> faelle[] = {
        // Host lines byte for byte, another key dropped, the comment kept after the blank.
        {"; K\xFCr, \"a,b\"\r\n[Sound]\nStart=\"x, y\"\r\n[Zafku]\r\nAlt=1\r\n;GegenComputer=0\r\n"
         "TonEinschalten=0\r\n \r\n[Spiele]\r\nMaximaleSpielDauer=30",
         "; K\xFCr, \"a,b\"\r\n[Sound]\r\nStart=\"x, y\"\r\n[Zafku]\r\n" + eintraege +
             ";GegenComputer=0\r\n[Spiele]\r\nMaximaleSpielDauer=30\r\n"},
        {"[Spiele]\r\n [Zafku] \r\nTonEinschalten=0\r\n", "[Spiele]\r\n [Zafku] \r\n" + eintraege},
        {"[Spiele]\rX=1\n\nY=2\r\n", "[Spiele]\r\nX=1\r\n\r\nY=2\r\n[Zafku]\r\n" + eintraege},
    };
    for (const auto& [alt, neu] : faelle) {
        EXPECT_EQ(vokraIniMitEinstellungen(alt, d), neu);
        EXPECT_EQ(vokraIniMitEinstellungen(neu, d), neu) << "a second rewrite";
    }
}

TEST(SaveVokraIni, WritesWhenAskedAndLeavesTheOldFileOnFailure) {
    TempHost host;
    host.writeHostFile("Vokra.ini", {"[Zafku]", "TonEinschalten=1"});
    const QByteArray vorher = host.readBytes("Vokra.ini");
    SitzungsDaten d = spieler(1, host.path());
    d.gegenComputer = d.compSpielStaerke = 1;
    EinstellKontrollen k;

    QFile::setPermissions(host.file("Vokra.ini"), QFileDevice::ReadOwner);
    EXPECT_TRUE(saveVokraIni(d, k).contains("schreibgeschützt"));
    QFile::setPermissions(host.file("Vokra.ini"), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    const QString fehler = [&] {
        const VollePlatte voll;
        return saveVokraIni(d, k);
    }();
    EXPECT_TRUE(fehler.contains("Vokra.ini") && fehler.contains(QString::fromUtf8("zu groß")))
        << fehler.toStdString();
    EXPECT_EQ(host.readBytes("Vokra.ini"), vorher);
    EXPECT_EQ(QDir(host.path()).entryList({"Vokra.ini.*"}), QStringList());
    k.einstSaveOpt = false;
    EXPECT_EQ(saveVokraIni(d, k), QString());
    EXPECT_EQ(host.readBytes("Vokra.ini"), vorher);

    k.einstSaveOpt = true;
    EXPECT_EQ(saveVokraIni(d, k), QString());
    EXPECT_FALSE(QFile::permissions(host.file("Vokra.ini")) & QFileDevice::ReadOther) << "0600";
    // The next start clears away what a game killed mid-rewrite left behind.
    QFile halb(host.file("Vokra.ini.anderer.1.2.tmp"));
    ASSERT_TRUE(halb.open(QIODevice::WriteOnly) && halb.write("halb") == 4 && halb.flush() &&
                halb.setFileTime(QDateTime::currentDateTime().addDays(-1),
                                 QFileDevice::FileModificationTime));
    SitzungsDaten neu = spieler(1, host.path());
    EinstellKontrollen k2;
    loadVokraIni(neu, k2);
    EXPECT_EQ(zustand(neu, k2, 0), "11000 n2 b100 m0");
    EXPECT_EQ(tempDateien(host), QStringList());

    QFile::remove(host.file("Vokra.ini"));
    EXPECT_TRUE(saveVokraIni(d, k).contains("nicht mehr vorhanden"));
}

// A classroom of games ending together: Vokra.ini is always the whole file of one of them.
TEST(VokraIniAbbruch, ConcurrentGamesNeverLoseTheOtherSections) {
    const int prozesse = 6, runden = 20;
    TempHost host;
    host.writeHostFile("Vokra.ini",
                       {"[Spiele]", "MaximaleSpielDauer=30", "[Sound]", "ProgrammEnde=Ende.wav",
                        "[Zafku]", "TonEinschalten=1", "[Meisterliste]", "Anzahl=10"});
    const SitzungsDaten d = spieler(1, host.path());
    const EinstellKontrollen k;
    QList<QByteArray> erlaubt; // Vokra.ini as a rewrite leaves it, with the sound off and on
    for (SitzungsDaten e = d; e.tonEin < 2; ++e.tonEin)
        erlaubt << vokraIniMitEinstellungen(host.readBytes("Vokra.ini"), e);

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
