#include "glob/HostDateien.h"
#include "glob/SitzungsDaten.h"
#include "platform/LaufzeitFehler.h"
#include "support/TempHost.h"

#include <functional>

#include <sys/stat.h>

#include <gtest/gtest.h>

using namespace zafku;

TEST(LeseMaxSpielDauer, FindsTheEntryAsTheHostWritesIt) {
    const struct {
        const char* name;
        QStringList ini;
        int faktor;
    } faelle[] = {
        {"blanks trimmed", {"[Spiele]", "MaximaleSpielDauer= 30 "}, 2},
        {"no digits", {"[Spiele]", "MaximaleSpielDauer=lang"}, 15},
        {"beyond the int range", {"[Spiele]", "MaximaleSpielDauer=99999999999"}, 1},
        {"tab is no blank", {"[Spiele]", "MaximaleSpielDauer=\t30"}, 15},
        {"comment skipped", {"[Spiele]", ";MaximaleSpielDauer=30", "MaximaleSpielDauer=8"}, 9},
        {"lower-case key", {"[Spiele]", "maximalespieldauer=30"}, 0},
        {"entry before the section", {"MaximaleSpielDauer=30", "[Spiele]"}, 0},
        {"no section", {"[Sound]", "MaximaleSpielDauer=30"}, 0},
    };
    for (const auto& f : faelle) {
        TempHost host;
        host.writeHostFile("VOKRA.INI", f.ini);
        SitzungsDaten daten;
        daten.appPfad = host.path();
        leseMaxSpielDauer(daten);
        EXPECT_EQ(daten.spielZeitFaktor, f.faktor) << f.name;
    }
}

TEST(LeseKategorieText, CountsOnlyCategoriesNotHeadings) {
    TempHost host;
    host.writeHostFile("Vokra.tsp", {">>> Gruppe 1,>>>1", "\"Eins, erstes\",AAA1", "Zwei,BBB_",
                                     ">>> Gruppe 2,>>>2", ">>> Gruppe 3,>>>3", "Drei,CCC_",
                                     "Vier,DDD_", QString::fromUtf8("Fünf,EEE_"), "Sechs,FFF_"});
    const std::tuple<const char*, int, QString> faelle[] = {{"AAA1", 1, "Eins, erstes"},
                                                            {"EEE_", 5, QString::fromUtf8("Fünf")},
                                                            {"ZZZ_", 6, ""},
                                                            {"aaa1", 6, ""}};
    for (const auto& [feld, katNr, titel] : faelle) {
        SitzungsDaten daten;
        daten.appPfad = host.path();
        daten.feldName = feld;
        leseKategorieText(daten);
        EXPECT_EQ(daten.katNr, katNr) << feld;
        EXPECT_EQ(daten.katTitel, titel) << feld;
    }
}

TEST(HostDateien, OnlyRegularFilesOfSensibleSizeAreRead) {
    const struct {
        const char* fall;
        std::function<void(const TempHost&)> anlegen;
        const char* grund;
    } faelle[] = {
        {"missing", [](const TempHost&) {}, "vorhanden"},
        {"link to an endless device",
         [](const TempHost& h) { QFile::link("/dev/zero", h.file("Vokra.tsp")); },
         "keine gewöhnliche Textdatei"},
        {"FIFO without writer",
         [](const TempHost& h) { ASSERT_EQ(mkfifo(qPrintable(h.file("Vokra.tsp")), 0600), 0); },
         "keine gewöhnliche Textdatei"},
        {"folder", [](const TempHost& h) { QDir().mkpath(h.file("Vokra.tsp")); },
         "keine gewöhnliche Textdatei"},
        {"too large",
         [](const TempHost& h) { h.writeBytes("Vokra.tsp", QByteArray((1 << 20) + 1, 'a')); },
         "zu groß (mehr als 1024 KB)"},
    };
    for (const auto& f : faelle) {
        TempHost host;
        f.anlegen(host);
        SitzungsDaten daten;
        daten.appPfad = host.path();
        try {
            leseKategorieText(daten);
            ADD_FAILURE() << f.fall << ": no fault";
        } catch (const LaufzeitFehler& fehler) {
            EXPECT_TRUE(fehler.text().contains("Vokra.tsp")) << f.fall;
            EXPECT_TRUE(fehler.text().contains(QString::fromUtf8(f.grund)))
                << f.fall << ": " << fehler.what();
        }
    }
}
