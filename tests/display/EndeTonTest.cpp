// The end cue against a real audio server, recorded while the game ends.

#include "TestSpiel.h"

#include "dialogs/ModalAntwort.h"
#include "help/HilfeBrowser.h"
#include "platform/Clock.h"
#include "platform/Pause.h"
#include "sound/QtAudioOutput.h"

#include <QAction>
#include <QDataStream>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cmath>

#include <signal.h>
#include <sys/prctl.h>

#include <gtest/gtest.h>

using namespace zafku;

namespace {

constexpr int kRate = 44100;

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

// Milliseconds of the recording (mono s16le) that carry sound, in 10 ms steps.
int lauteMs(const QByteArray& pcm) {
    const auto* werte = reinterpret_cast<const qint16*>(pcm.constData());
    const auto laut = [](qint16 x) { return std::abs(int(x)) > 2000; };
    int ms = 0;
    for (qsizetype a = 0; a + kRate / 100 <= pcm.size() / 2; a += kRate / 100)
        ms += std::any_of(werte + a, werte + a + kRate / 100, laut) ? 10 : 0;
    return ms;
}

// A PulseAudio daemon of this test alone, in its own runtime folder (also as root), with
// a null sink whose monitor is recorded until stoppe().
class PulseAufnahme {
  public:
    PulseAufnahme() {
        QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
        umgebung.insert("XDG_RUNTIME_DIR", ordner_.path());
        umgebung.insert("HOME", ordner_.path());
        daemon_.setProcessEnvironment(umgebung);
        daemon_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        // Helper processes end with the test, even one that crashes.
        for (QProcess* p : {&daemon_, &parec_})
            p->setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); });
        daemon_.start(
            "pulseaudio",
            {"-n", "--daemonize=no", "--exit-idle-time=-1", "--use-pid-file=no",
             "--load=module-null-sink sink_name=zafku_test",
             "--load=module-native-protocol-unix auth-anonymous=1 socket=" + datei("native")});
        bereit_ = daemon_.waitForStarted(5000) &&
                  QTest::qWaitFor([this] { return QFileInfo::exists(datei("native")); }, 10000);
        qputenv("PULSE_SERVER", adresse().toUtf8());
        parec_.setStandardOutputFile(datei("aufnahme.raw"));
        parec_.start("parec", {"--server=" + adresse(), "--device=zafku_test.monitor", "--raw",
                               "--format=s16le", "--rate=" + QString::number(kRate), "--channels=1",
                               "--latency-msec=20"});
        // The null sink runs in real time, so a working recording grows at once.
        bereit_ =
            bereit_ && parec_.waitForStarted(5000) &&
            QTest::qWaitFor([this] { return QFileInfo(datei("aufnahme.raw")).size() > 0; }, 5000);
    }
    ~PulseAufnahme() {
        for (QProcess* p : {&parec_, &daemon_}) {
            p->terminate();
            p->waitForFinished(3000); // QProcess kills what is left
        }
    }
    bool bereit() const { return bereit_; }
    QByteArray stoppe() {
        pauseOhneEingabe(300); // what is still on its way to the monitor
        parec_.terminate();
        parec_.waitForFinished(3000);
        QFile f(datei("aufnahme.raw"));
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }

  private:
    QString datei(const QString& name) const { return ordner_.filePath(name); }
    QString adresse() const { return "unix:" + datei("native"); }
    QTemporaryDir ordner_;
    QProcess daemon_, parec_;
    bool bereit_ = false;
};

} // namespace

// The game waits two seconds after the end cue and lets it sound on for at most one more:
// a device closed right after the wait cuts the cue short, one closed at the cue's end
// keeps the child waiting.
TEST(EndeTon, ALongEndCuePlaysOnButTheEndStaysShort) {
    PulseAufnahme aufnahme;
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
    const int gehoert = lauteMs(aufnahme.stoppe());
    // The first cue of a fresh server starts about half a second late.
    EXPECT_GE(gehoert, 2000) << "end cue cut short";
    EXPECT_LE(gehoert, 3600) << "the end waited for the whole cue";
}
