// The end cue against a real audio server: a private PulseAudio daemon with a null
// sink, its monitor recorded while the game ends.

#include "TestSpiel.h"

#include "dialogs/ModalAntwort.h"
#include "help/HilfeBrowser.h"
#include "platform/Clock.h"
#include "platform/Pause.h"
#include "sound/QtAudioOutput.h"

#include <QAction>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <cmath>

#include <signal.h>
#include <sys/prctl.h>

#include <gtest/gtest.h>

using namespace zafku;

namespace {

constexpr int kRate = 44100;
const QString kSink = QStringLiteral("zafku_test");

// A 440 Hz tone of the given length, then the 200 ms of silence every cue carries.
QByteArray ton(int ms) {
    QByteArray pcm;
    const int klang = kRate * ms / 1000;
    for (int i = 0; i < klang + kRate / 5; ++i) {
        const qint16 wert =
            i < klang ? qint16(12000 * std::sin(2 * M_PI * 440.0 * i / kRate)) : qint16(0);
        pcm.append(reinterpret_cast<const char*>(&wert), 2);
    }
    QByteArray wav("RIFF");
    const auto u32 = [&](quint32 v) { wav.append(reinterpret_cast<const char*>(&v), 4); };
    const auto u16 = [&](quint16 v) { wav.append(reinterpret_cast<const char*>(&v), 2); };
    u32(36 + quint32(pcm.size()));
    wav += "WAVEfmt ";
    u32(16), u16(1), u16(1), u32(kRate), u32(kRate * 2), u16(2), u16(16);
    wav += "data";
    u32(quint32(pcm.size()));
    return wav + pcm;
}

// Milliseconds of the recording (mono s16le) that carry sound, in 10 ms steps.
int lauteMs(const QByteArray& pcm) {
    const int fenster = kRate / 100;
    const auto* werte = reinterpret_cast<const qint16*>(pcm.constData());
    const qsizetype n = pcm.size() / 2;
    int laut = 0;
    for (qsizetype start = 0; start + fenster <= n; start += fenster) {
        int spitze = 0;
        for (int i = 0; i < fenster; ++i)
            spitze = std::max(spitze, std::abs(int(werte[start + i])));
        laut += spitze > 2000 ? 10 : 0;
    }
    return laut;
}

// Helper processes end with the test, even one that crashes.
void stirbtMitDemTest(QProcess& p) {
    p.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); });
}

bool warteBis(const std::function<bool()>& bedingung, int ms) {
    QElapsedTimer t;
    t.start();
    while (!bedingung() && t.elapsed() < ms)
        QTest::qWait(20);
    return bedingung();
}

// A PulseAudio daemon of this test alone, in its own runtime folder (also as root).
class PulseServer {
  public:
    PulseServer() {
        QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
        umgebung.insert("XDG_RUNTIME_DIR", ordner_.path());
        umgebung.insert("HOME", ordner_.path());
        umgebung.remove("PULSE_SERVER");
        daemon_.setProcessEnvironment(umgebung);
        daemon_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        stirbtMitDemTest(daemon_);
        daemon_.start("pulseaudio",
                      {"-n", "--daemonize=no", "--exit-idle-time=-1", "--use-pid-file=no",
                       "--load=module-null-sink sink_name=" + kSink,
                       "--load=module-native-protocol-unix auth-anonymous=1 socket=" + socket()});
        laeuft_ = daemon_.waitForStarted(5000) &&
                  warteBis([this] { return QFileInfo::exists(socket()); }, 10000);
    }
    ~PulseServer() {
        daemon_.terminate();
        if (!daemon_.waitForFinished(3000))
            daemon_.kill();
        daemon_.waitForFinished(1000);
    }
    bool laeuft() const { return laeuft_; }
    QString adresse() const { return "unix:" + socket(); }

  private:
    QString socket() const { return ordner_.filePath("native"); }
    QTemporaryDir ordner_;
    QProcess daemon_;
    bool laeuft_ = false;
};

// Records the null sink's monitor until stoppe().
class Aufnahme {
  public:
    explicit Aufnahme(const PulseServer& server) {
        parec_.setStandardOutputFile(datei_.filePath("aufnahme.raw"));
        stirbtMitDemTest(parec_);
        parec_.start("parec", {"--server=" + server.adresse(), "--device=" + kSink + ".monitor",
                               "--raw", "--format=s16le", "--rate=" + QString::number(kRate),
                               "--channels=1", "--latency-msec=20"});
        // The null sink runs in real time, so a working recording grows at once.
        bereit_ = parec_.waitForStarted(5000) &&
                  warteBis([this] { return QFileInfo(datei_.filePath("aufnahme.raw")).size() > 0; },
                           5000);
    }
    bool bereit() const { return bereit_; }
    QByteArray stoppe() {
        pauseOhneEingabe(300); // what is still on its way to the monitor
        parec_.terminate();
        parec_.waitForFinished(3000);
        QFile f(datei_.filePath("aufnahme.raw"));
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }

  private:
    QTemporaryDir datei_;
    QProcess parec_;
    bool bereit_ = false;
};

} // namespace

// The end cue is longer than the two seconds the game waits after it, so a device closed
// right after the wait cuts it short.
TEST(EndeTon, StartAndEndCuesAreHeardInFull) {
    PulseServer server;
    ASSERT_TRUE(server.laeuft()) << "pulseaudio is missing or failed to start (scripts/deps.sh)";
    qputenv("PULSE_SERVER", server.adresse().toUtf8());
    QtAudioOutput audio;
    SystemClock uhr;
    HilfeBrowser hilfe;
    TestSpiel spiel(
        hilfe, audio, uhr,
        {"[Sound]", "ProgrammStart=Start", "ProgrammEnde=Ende", "[Zafku]", "TonEinschalten=1"});
    spiel.host.writeBytes("Sound/Start.WAV", ton(500));
    spiel.host.writeBytes("Sound/Ende.WAV", ton(2600));
    spiel.sound.ladeSoundTabelle();

    Aufnahme start(server);
    ASSERT_TRUE(start.bereit()) << "parec could not record the null sink";
    spiel.fenster.lade();
    pauseOhneEingabe(1200);
    EXPECT_GE(lauteMs(start.stoppe()), 400) << "start cue";

    Aufnahme ende(server);
    ASSERT_TRUE(ende.bereit());
    beiModalemDialog([](QDialog* frage) { QTest::keyClick(frage, Qt::Key_Return); });
    spiel.fenster.ende().beende = [] {}; // the recording outlives the game
    spiel.fenster.menue.at("mnuDateiEnde")->trigger();
    EXPECT_GE(lauteMs(ende.stoppe()), 2450) << "end cue cut short";
}
