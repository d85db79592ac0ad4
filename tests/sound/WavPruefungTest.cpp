#include "sound/QtAudioOutput.h"
#include "sound/WavPruefung.h"
#include "support/TempHost.h"

#include <gtest/gtest.h>

using namespace zafku;

TEST(WavPruefung, HandsOnOnlyCompleteWaveFiles) {
    QFile quelle(ZAFKU_HOST_SOURCE "/Sound/Pling.WAV");
    ASSERT_TRUE(quelle.open(QIODevice::ReadOnly));
    const QByteArray wav = quelle.readAll();
    // An odd-sized extra chunk before the samples, padded to even length.
    const QByteArray mitListe = wav.left(36) + QByteArray("LIST\3\0\0\0abc\0", 12) + wav.mid(36);
    const std::pair<QByteArray, bool> faelle[] = {
        {wav, true},
        {mitListe, true},
        {wav.left(30), false},
        {wav.left(44), false},
        {wav.chopped(1), false},
        {"garbage", false},
        {QByteArray("RIFF\x10\0\0\0WAVEfmt ", 16), false},
    };
    TempHost host;
    for (const auto& [inhalt, vollstaendig] : faelle) {
        host.writeBytes("x.WAV", inhalt);
        EXPECT_EQ(istVollstaendigesWav(host.file("x.WAV")), vollstaendig) << inhalt.size();
    }
    EXPECT_FALSE(istVollstaendigesWav(host.file("fehlt.WAV")));

    // 8000 samples a second, 16-bit mono: 16000 bytes make one second, whatever byte rate
    // the header claims.
    for (const char* byteRate : {"\x80\x3e\0\0", "\1\0\0\0"}) {
        host.writeBytes("eins.WAV", wav.left(24) + QByteArray("\x40\x1f\0\0", 4) +
                                        QByteArray(byteRate, 4) + QByteArray("\2\0\x10\0", 4) +
                                        "data" + QByteArray("\x80\x3e\0\0", 4) +
                                        QByteArray(16000, '\0'));
        EXPECT_EQ(wavDauerMs(host.file("eins.WAV")), 1000);
    }

    // A minute-long cue keeps the closing device waiting a second at most.
    host.writeBytes("lang.WAV", wav.left(24) + QByteArray("\x40\x1f\0\0\x40\x1f\0\0\1\0\x08\0", 12) +
                                    "data" + QByteArray("\0\x53\7\0", 4) +
                                    QByteArray(480000, '\x80'));
    ASSERT_EQ(wavDauerMs(host.file("lang.WAV")), 60000);
    QtAudioOutput audio;
    audio.play(host.file("lang.WAV"));
    EXPECT_GT(audio.restMs(), 500);
    EXPECT_LE(audio.restMs(), 1000);
    audio.close();
}
