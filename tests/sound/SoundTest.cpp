#include "glob/SitzungsDaten.h"
#include "platform/AudioOutput.h"
#include "platform/LaufzeitFehler.h"
#include "sound/QtAudioOutput.h"
#include "sound/SoundMod.h"
#include "sound/WavPruefung.h"
#include "support/TempHost.h"

#include <QtEndian>

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
    const std::tuple<QStringList, QString, QString> faelle[] = {
        {{"[Spiele]", "[Sound]", "Gratulation1= Applaus "}, "Gratulation1", "Applaus"},
        {{"[Sound]", "Glückstreffer=Glueck"}, "Glückstreffer", "Glueck"},
        {{"[Sound]", "[Zafku]", "Annahme1=A"}, "Annahme1", "<NULL>"},
        {{"Annahme1=A", "[Sound]"}, "Annahme1", "<NULL>"},
        {{"[Sound]", "annahme1=A", "Annahme1 =B"}, "Annahme1", "<NULL>"},
    };
    EXPECT_THROW(sound.ladeSoundTabelle(), LaufzeitFehler);
    for (const auto& [zeilen, ereignis, erwartet] : faelle) {
        host.writeHostFile("VOKRA.INI", zeilen);
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

TEST(WavPruefung, HandsOnOnlyCompleteWaveFiles) {
    QFile quelle(ZAFKU_HOST_SOURCE "/Sound/Pling.WAV");
    ASSERT_TRUE(quelle.open(QIODevice::ReadOnly));
    const QByteArray wav = quelle.readAll();
    // The shipped file's first bytes, then rate, byte rate, frame and bits, then the samples.
    const auto welle = [&](const QByteArray& format, quint32 bytes, char wert) {
        QByteArray laenge(4, '\0');
        qToLittleEndian(bytes, laenge.data());
        return wav.left(24) + format + "data" + laenge + QByteArray(bytes, wert);
    };
    const QByteArray mono8("\x40\x1f\0\0\x40\x1f\0\0\1\0\x08\0", 12);
    // An odd-sized extra chunk before the samples, padded to even length.
    const QByteArray mitListe = wav.left(36) + QByteArray("LIST\3\0\0\0abc\0", 12) + wav.mid(36);
    const QByteArray leer("JUNK\0\0\0\0", 8); // the reader gives up after so many
    const std::pair<QByteArray, bool> faelle[] = {
        {wav, true},
        {mitListe, true},
        {wav.left(12) + leer.repeated(kMaxWavBloecke - 2) + wav.mid(12), true},
        {wav.left(12) + leer.repeated(kMaxWavBloecke - 1) + wav.mid(12), false},
        {welle(mono8, 1, '\x80'), true},
        {welle(mono8, 0, '\x80'), false},
        {wav.left(30), false},
        {wav.left(44), false},
        {wav.chopped(1), false},
        {"garbage", false},
        {QByteArray("RIFF\x10\0\0\0WAVEfmt ", 16), false},
        {"RIFX" + wav.mid(4), false},                // not RIFF
        {wav.left(8) + "AVI " + wav.mid(12), false}, // RIFF, but no wave
        // a format chunk of 14 bytes
        {wav.left(16) + QByteArray("\x0e\0\0\0", 4) + wav.mid(20, 14) + wav.mid(36), false},
    };
    TempHost host;
    for (const auto& [inhalt, vollstaendig] : faelle) {
        host.writeBytes("x.WAV", inhalt);
        EXPECT_EQ(istVollstaendigesWav(host.file("x.WAV")), vollstaendig) << inhalt.size();
    }
    EXPECT_FALSE(istVollstaendigesWav(host.file("fehlt.WAV")));

    // 8000 16-bit mono samples a second: 16000 bytes last one, whatever byte rate is claimed.
    for (const char* byteRate : {"\x80\x3e\0\0", "\1\0\0\0"}) {
        const QByteArray format =
            QByteArray("\x40\x1f\0\0", 4) + QByteArray(byteRate, 4) + QByteArray("\2\0\x10\0", 4);
        host.writeBytes("eins.WAV", welle(format, 16000, '\0'));
        EXPECT_EQ(wavDauerMs(host.file("eins.WAV")), 1000);
    }

    // A minute-long cue keeps the closing device waiting a second at most.
    host.writeBytes("lang.WAV", welle(mono8, 480000, '\x80'));
    ASSERT_EQ(wavDauerMs(host.file("lang.WAV")), 60000);
    QtAudioOutput audio;
    audio.play(host.file("lang.WAV"));
    EXPECT_GT(audio.restMs(), 500);
    EXPECT_LE(audio.restMs(), 1000);
    audio.close();
}
