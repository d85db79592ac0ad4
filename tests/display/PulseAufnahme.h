#pragma once

#include "platform/Pause.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdlib>

#include <signal.h>
#include <sys/prctl.h>

constexpr int kRate = 44100;

// Milliseconds of the recording (mono s16le) that carry sound, in 10 ms steps.
inline int lauteMs(const QByteArray& pcm) {
    const auto* werte = reinterpret_cast<const qint16*>(pcm.constData());
    const auto laut = [](qint16 x) { return std::abs(int(x)) > 2000; };
    int ms = 0;
    for (qsizetype a = 0; a + kRate / 100 <= pcm.size() / 2; a += kRate / 100)
        ms += std::any_of(werte + a, werte + a + kRate / 100, laut) ? 10 : 0;
    return ms;
}

// A PulseAudio daemon of these tests alone (also as root); its null sink's monitor is recorded.
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
    // What was recorded since the last call, after the sound still on its way has come.
    QByteArray seitLetztem() {
        zafku::pauseOhneEingabe(300);
        QFile f(datei("aufnahme.raw"));
        f.open(QIODevice::ReadOnly);
        f.seek(gelesen_);
        QByteArray neu = f.readAll();
        neu.chop(neu.size() % 2);
        gelesen_ += neu.size();
        return neu;
    }

  private:
    QString datei(const QString& name) const { return ordner_.filePath(name); }
    QString adresse() const { return "unix:" + datei("native"); }
    QTemporaryDir ordner_;
    QProcess daemon_, parec_;
    bool bereit_ = false;
    qint64 gelesen_ = 0;
};

// One server for the test program: Qt's audio stays bound to the first server it reached.
inline PulseAufnahme& pulseAufnahme() {
    static PulseAufnahme aufnahme;
    aufnahme.seitLetztem();
    return aufnahme;
}
