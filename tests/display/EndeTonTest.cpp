// The end cue against a real audio server, recorded while the game ends.

#include "PulseAufnahme.h"
#include "TestSpiel.h"

#include "dialogs/ModalAntwort.h"
#include "help/HilfeBrowser.h"
#include "platform/Clock.h"
#include "sound/QtAudioOutput.h"

#include <QAction>
#include <QDataStream>

#include <cmath>

#include <gtest/gtest.h>

using namespace zafku;

namespace {

// A 440 Hz tone of the given length, then the 200 ms of silence every cue carries.
QByteArray ton(int ms) {
    const quint32 n = kRate * ms / 1000, proben = n + kRate / 5;
    QByteArray wav;
    QDataStream s(&wav, QIODevice::WriteOnly);
    s.setByteOrder(QDataStream::LittleEndian);
    s.writeRawData("RIFF", 4), s << quint32(36 + 2 * proben), s.writeRawData("WAVEfmt ", 8);
    s << quint32(16) << quint16(1) << quint16(1) << quint32(kRate) << quint32(2 * kRate)
      << quint16(2) << quint16(16);
    s.writeRawData("data", 4), s << quint32(2 * proben);
    for (quint32 i = 0; i < proben; ++i)
        s << qint16(i < n ? 12000 * std::sin(2 * M_PI * 440.0 * i / kRate) : 0);
    return wav;
}

} // namespace

// The end waits two seconds and lets the cue sound on for at most one more.
TEST(EndeTon, ALongEndCuePlaysOnButTheEndStaysShort) {
    PulseAufnahme& aufnahme = pulseAufnahme();
    ASSERT_TRUE(aufnahme.bereit()) << "pulseaudio or parec is missing or failed (scripts/deps.sh)";
    QtAudioOutput audio;
    SystemClock uhr;
    HilfeBrowser hilfe;
    TestSpiel spiel(hilfe, audio, uhr,
                    {"[Sound]", "ProgrammEnde=Ende", "[Zafku]", "TonEinschalten=1"});
    spiel.host.writeBytes("Sound/Ende.WAV", ton(5000));
    spiel.sound.ladeSoundTabelle();
    spiel.fenster.lade();
    beiModalemDialog([](QDialog* frage) { QTest::keyClick(frage, Qt::Key_Return); });
    spiel.fenster.ende().beende = [] {}; // the recording outlives the game
    spiel.fenster.menue.at("mnuDateiEnde")->trigger();
    const int gehoert = lauteMs(aufnahme.seitLetztem());
    // The first cue of a fresh server starts about half a second late.
    EXPECT_GE(gehoert, 2000) << "end cue cut short";
    EXPECT_LE(gehoert, 3600) << "the end waited for the whole cue";
}
