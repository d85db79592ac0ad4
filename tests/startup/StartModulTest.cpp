#include "startup/StartModul.h"
#include "glob/SitzungsDaten.h"
#include "sound/SoundMod.h"
#include "support/StummeAusgabe.h"
#include "support/TempHost.h"

#include <QStringList>

#include <gtest/gtest.h>

using namespace zafku;

namespace {

class Protokoll : public StartUi {
  public:
    QStringList meldungen, spieler;
    bool hintergrund = false;
    int hauptfenster = 0;
    void zeigeMeldung(const QString& text, const QString& knopf1, const QString& knopf2,
                      const QString& titel) override {
        meldungen.append(titel + "|" + knopf1 + "|" + knopf2 + "|" + text);
    }
    void zeigeHintergrund() override { hintergrund = true; }
    int zeigeHauptfenster() override {
        ++hauptfenster;
        return 7;
    }
    void spielerGelesen(int i, const QString& name) override {
        spieler.append(QString::number(i) + name);
    }
};

const QString kBlock = "\"Version=4;VeskFeldName=LIE_;nSpieler=2;Anna Sommer;Tim;anna01;tim02;\"";
const QString kWaechter =
    "Laufzeitfehler|&OK||Dieses Programm kann nur aus der\r"
    "Spieleliste der Demoversion des\rVOKRA-Rahmenprogramms gestartet\rwerden!";
const QString kInkompatibel = "Laufzeitfehler|&OK||Diese Version von Zafku ist nicht\r"
                              "kompatibel mit der installierten\rVersion von VOKRA.";

struct Lauf {
    SitzungsDaten daten;
    StummeAusgabe ausgabe;
    SoundMod sound{daten, ausgabe};
    Protokoll ui;
    int code = 0;
    Lauf(const QString& block, const TempHost& host) {
        code = Main(block, host.path(), daten, sound, ui);
    }
};

} // namespace

TEST(StartModul, RejectedBlocksEndWithTheirMessageBeforeAnyHostFile) {
    const std::pair<QString, QString> faelle[] = {
        {"", kWaechter},
        {"\"version=4;nSpieler=0;\"", kWaechter},
        {"Version=4;nSpieler=0;", kWaechter},
        {"\"Version=5;VeskFeldName=LIE_;nSpieler=0;\"", kInkompatibel},
        {"\"Version=4;Class=x;Version=4.0;nSpieler=0;\"", kInkompatibel},
    };
    TempHost leer; // no host files at all: opening one would give another message
    for (const auto& [block, meldung] : faelle) {
        Lauf lauf(block, leer);
        EXPECT_EQ(lauf.code, 1) << block.toStdString();
        EXPECT_EQ(lauf.ui.meldungen, QStringList{meldung}) << block.toStdString();
        EXPECT_FALSE(lauf.ui.hintergrund);
        EXPECT_EQ(lauf.ui.hauptfenster, 0);
    }
}

TEST(StartModul, MissingHostFileIsARuntimeFault) {
    TempHost host;
    Lauf ohneIni(kBlock, host);
    EXPECT_EQ(ohneIni.code, 1);
    ASSERT_EQ(ohneIni.ui.meldungen.size(), 1);
    EXPECT_TRUE(ohneIni.ui.meldungen[0].startsWith("Laufzeitfehler|&OK||Die Datei Vokra.ini"));
    EXPECT_TRUE(ohneIni.ui.hintergrund);
}

TEST(StartModul, ReadsTheHostFilesThenShowsTheMainWindow) {
    TempHost host;
    host.writeHostFile("Vokra.ini",
                       {"[Spiele]", "MaximaleSpielDauer=30", "[Sound]", "Annahme1=Pling"});
    QStringList tsp = {">>> Gruppe,>>>1"};
    for (int i = 1; i <= 10; ++i)
        tsp.append(QString("Kategorie %1,K%2__").arg(i).arg(i));
    tsp += {">>> Gruppe 2,>>>2", "\"Langes i, ie\",LIE_"};
    host.writeHostFile("Vokra.tsp", tsp);
    Lauf lauf(kBlock, host);
    EXPECT_EQ(lauf.code, 7);
    EXPECT_TRUE(lauf.ui.meldungen.isEmpty());
    EXPECT_EQ(lauf.ui.spieler, QStringList({"0Anna Sommer", "1Tim"}));
    EXPECT_EQ(lauf.daten.userPfad, host.path() + "/User");
    EXPECT_EQ(lauf.daten.hilfeDatei, host.path() + "/Zafku.chm");
    EXPECT_EQ(lauf.daten.spielZeitFaktor, 2);
    EXPECT_EQ(lauf.daten.soundTab[9][1], "Pling");
    EXPECT_EQ(lauf.daten.katNr, 11);
    EXPECT_EQ(lauf.daten.katTitel, "Langes i, ie");
    EXPECT_EQ(lauf.daten.katHilfeNr, 1101);
}
