#include "settings/ZafkuIni.h"
#include "glob/SitzungsDaten.h"
#include "support/TempHost.h"

#include <QFile>

#include <gtest/gtest.h>

#include <csignal>
#include <random>
#include <sys/wait.h>
#include <unistd.h>

using namespace zafku;

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

    SitzungsDaten d;
    d.appPfad = host.path();
    d.einstAnzahl = 3;
    d.einstSchluessel = {"GegenComputer", "Stufe", "TonEinschalten"};
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
        if (QFile::exists(host.file("Vokra.tmp"))) {
            ++tmpGesehen;
            SitzungsDaten start = d;
            EinstellKontrollen kontrollen;
            loadVokraIni(start, kontrollen);
            ASSERT_FALSE(QFile::exists(host.file("Vokra.tmp"))) << "round " << runde;
            ASSERT_EQ(host.readBytes("Vokra.ini"), jetzt);
        }
    }
    // Otherwise no kill hit a rewrite in progress and the test proved nothing.
    EXPECT_GT(tmpGesehen, 0);
    RecordProperty("kills_during_rewrite", tmpGesehen);
}
