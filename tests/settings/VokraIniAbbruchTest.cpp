#include "settings/ZafkuIni.h"
#include "glob/SitzungsDaten.h"
#include "support/TempHost.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <cstdlib>
#include <csignal>
#include <random>
#include <sys/wait.h>
#include <unistd.h>

using namespace zafku;

namespace {

// The temporary files of rewrites that are under way or were cut short.
QStringList tempDateien(const TempHost& host) {
    return QDir(host.path()).entryList({"Vokra.ini.*.tmp"}, QDir::Files | QDir::Hidden);
}

SitzungsDaten dreiEinstellungen(const QString& hostPfad) {
    SitzungsDaten d;
    d.appPfad = hostPfad;
    d.einstAnzahl = 3;
    d.einstSchluessel = {"GegenComputer", "Stufe", "TonEinschalten"};
    return d;
}

} // namespace

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

    SitzungsDaten d = dreiEinstellungen(host.path());
    const EinstellKontrollen k;
    const QByteArray alt = host.readBytes("Vokra.ini");
    d.tonEin = 0;
    const QByteArray ohneTon = vokraIniMitEinstellungen(alt, d);
    d.tonEin = 1;
    const QByteArray mitTon = vokraIniMitEinstellungen(alt, d);
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
        ASSERT_TRUE(jetzt == ohneTon || jetzt == mitTon)
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
    host.writeHostFile("Vokra.ini", {"[Spiele]", "MaximaleSpielDauer=30", "[Sound]",
                                     "ProgrammEnde=Ende.wav", "[Zafku]", "TonEinschalten=1",
                                     "[Meisterliste]", "Anzahl=10"});
    SitzungsDaten d = dreiEinstellungen(host.path());
    const EinstellKontrollen k;
    const QByteArray alt = host.readBytes("Vokra.ini");
    QList<QByteArray> erlaubt;
    for (int ton = 0; ton < 2; ++ton) {
        d.tonEin = ton;
        erlaubt << vokraIniMitEinstellungen(alt, d);
    }

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
