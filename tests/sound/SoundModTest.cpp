#include "sound/SoundMod.h"
#include "platform/AudioOutput.h"
#include "platform/LaufzeitFehler.h"
#include "glob/SitzungsDaten.h"
#include "support/TempHost.h"

#include <gtest/gtest.h>

using namespace zafku;

namespace {

struct Aufnahme : AudioOutput {
    QStringList gespielt;
    int geschlossen = 0;
    void play(const QString& pfad) override { gespielt << pfad; }
    void close() override { ++geschlossen; }
};

struct SoundTest : ::testing::Test {
    TempHost host;
    SitzungsDaten daten;
    Aufnahme ausgabe;
    SoundMod sound{daten, ausgabe};

    SoundTest() { daten.appPfad = host.path(); }

    QString basis(const QString& ereignis) const {
        for (const auto& zeile : daten.soundTab)
            if (zeile[0] == ereignis)
                return zeile[1];
        return "(fehlt)";
    }
};

} // namespace

TEST_F(SoundTest, LoadsOnlyExactEntriesOfTheSoundSection) {
    const std::tuple<const char*, QStringList, QString, QString> faelle[] = {
        {"VOKRA.INI", {"[Spiele]", "[Sound]", "Gratulation1= Applaus "}, "Gratulation1", "Applaus"},
        {"vokra.ini", {"[Sound]", "Annahme1=Pling"}, "Annahme1", "Pling"},
        {"VOKRA.INI", {"[Sound]", "LeichterFehler=<NULL>"}, "LeichterFehler", "<NULL>"},
        {"VOKRA.INI", {"[Sound]", "Annahme1=A", "Annahme1=B"}, "Annahme1", "B"},
        {"VOKRA.INI", {"[Sound]", "Glückstreffer=Glueck"}, "Glückstreffer", "Glueck"},
        {"VOKRA.INI", {"[Sound]", "Achtung="}, "Achtung", ""},
        {"VOKRA.INI", {"[Sound]", "[Zafku]", "Annahme1=A"}, "Annahme1", "<NULL>"},
        {"VOKRA.INI", {"Annahme1=A", "[Sound]"}, "Annahme1", "<NULL>"},
        {"VOKRA.INI", {"[Sound]", "annahme1=A", "Annahme1 =B"}, "Annahme1", "<NULL>"},
        {"VOKRA.INI", {"[Spiele]", "Annahme1=A"}, "Annahme1", "<NULL>"},
    };
    EXPECT_THROW(sound.ladeSoundTabelle(), LaufzeitFehler);
    for (const auto& [datei, zeilen, ereignis, erwartet] : faelle) {
        TempHost eigener;
        eigener.writeHostFile(datei, zeilen);
        daten.appPfad = eigener.path();
        daten.soundTab[9][1] = "vom letzten Lauf";
        sound.ladeSoundTabelle();
        EXPECT_EQ(basis(ereignis), erwartet) << zeilen.join(" | ").toStdString();
    }
}

TEST_F(SoundTest, PlaysTheConfiguredFileOnlyWhenItCan) {
    host.writeHostFile("VOKRA.INI", {"[Sound]", "Gratulation1=Applaus", "Annahme1=pling",
                                     "LeichterFehler=<NULL>", "ProgrammEnde=Fehlt", "Achtung="});
    host.writeBytes("Sound/Applaus.WAV", "RIFF");
    host.writeBytes("Sound/PLING.wav", "RIFF");
    sound.ladeSoundTabelle();
    const std::tuple<int, const char*, QString> faelle[] = {
        {-1, "Gratulation1", "Sound/Applaus.WAV"},
        {1, "Annahme1", "Sound/PLING.wav"},
        {0, "Gratulation1", ""},
        {-1, "LeichterFehler", ""},
        {-1, "ProgrammEnde", ""},
        {-1, "Achtung", ""},
        {-1, "gratulation1", ""},
    };
    for (const auto& [tonEin, ereignis, datei] : faelle) {
        ausgabe.gespielt.clear();
        daten.tonEin = tonEin;
        sound.spieleSound(ereignis);
        EXPECT_EQ(ausgabe.gespielt, datei.isEmpty() ? QStringList() : QStringList{host.file(datei)})
            << ereignis << " tonEin=" << tonEin;
    }
    sound.schliessen();
    EXPECT_EQ(ausgabe.geschlossen, 1);
}

// The demo host's configuration gives every event a cue whose file is shipped.
TEST_F(SoundTest, ShippedConfigurationNamesAShippedFileForEveryEvent) {
    QFile ini(ZAFKU_HOST_SOURCE "/Vokra.ini");
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    host.writeHostFile("Vokra.ini", QString::fromUtf8(ini.readAll()).split('\n'));
    sound.ladeSoundTabelle();
    daten.appPfad = ZAFKU_HOST_SOURCE;
    daten.tonEin = 1;
    for (const auto& [ereignis, name] : daten.soundTab)
        sound.spieleSound(ereignis);
    EXPECT_EQ(ausgabe.gespielt.size(), 15);
}
