// The speech thread through a recording output that takes a few samples at a time.

#include "speech/EspeakSprache.h"
#include "speech/EspeakStimme.h"

#include <QIODevice>
#include <QMutex>
#include <QSemaphore>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <atomic>

using namespace zafku;

namespace {

struct Mitschnitt {
    QMutex mutex;
    int rate = 0;
    QList<QByteArray> texte; // the samples of each text, as far as the output took them
    std::atomic<int> beendet = 0;
    bool aufDemFenster = false; // a sample was handed over on the window's thread
    // Holds the speech thread at the start of its first text.
    bool anhalten = false;
    QSemaphore angehalten, weiter;
};

// Takes at most 1 KB a write and nothing at every other one, as a busy device does.
class GeizigesGeraet : public QIODevice {
  public:
    explicit GeizigesGeraet(Mitschnitt& m) : m_(m) { open(WriteOnly | Unbuffered); }
    bool isSequential() const override { return true; }

  protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* daten, qint64 n) override {
        if ((satt_ = !satt_))
            return 0;
        QMutexLocker sperre(&m_.mutex);
        m_.aufDemFenster |= QThread::currentThread() == qApp->thread();
        m_.texte.last().append(daten, std::min<qint64>(n, 1024));
        return std::min<qint64>(n, 1024);
    }

  private:
    Mitschnitt& m_;
    bool satt_ = false;
};

struct Aufnahme : Tonausgabe {
    explicit Aufnahme(Mitschnitt& m) : m_(m) {}
    QIODevice* beginne() override {
        {
            QMutexLocker sperre(&m_.mutex);
            m_.texte.append(QByteArray());
        }
        if (std::exchange(m_.anhalten, false)) {
            m_.angehalten.release();
            m_.weiter.tryAcquire(1, 10000);
        }
        geraet_ = std::make_unique<GeizigesGeraet>(m_);
        return geraet_.get();
    }
    void beende() override { ++m_.beendet; }
    Mitschnitt& m_;
    std::unique_ptr<GeizigesGeraet> geraet_;
};

TonausgabeBau aufnahme(Mitschnitt& m) {
    return [&m](int rate) {
        m.rate = rate;
        return std::make_unique<Aufnahme>(m);
    };
}

} // namespace

TEST(EspeakSprache, WordSilenceSentenceAreHandedOverOffTheWindowsThread) {
    Mitschnitt m;
    EspeakSprache sprache(aufnahme(m));
    QSignalSpy erste(&sprache, &EspeakSprache::ersteProbenAbgegeben);
    QSignalSpy fertig(&sprache, &EspeakSprache::ausgesprochen);
    sprache.sprich({"Biene", "Die Biene summt im Garten."});
    ASSERT_TRUE(fertig.wait(20000));
    QMutexLocker sperre(&m.mutex);
    ASSERT_EQ(m.texte.size(), 1);
    EXPECT_FALSE(m.aufDemFenster);
    EXPECT_EQ(erste.count(), 1);
    // The longest silence is the pause; the word before it, the longer sentence after it.
    const auto* pcm = reinterpret_cast<const short*>(m.texte[0].constData());
    const QList<short> p(pcm, pcm + m.texte[0].size() / 2);
    qsizetype still = 0, laengste = 0, ende = 0;
    for (qsizetype i = 0; i < p.size(); ++i) {
        still = p[i] == 0 ? still + 1 : 0;
        if (still > laengste)
            laengste = still, ende = i + 1;
    }
    EXPECT_GE(laengste, m.rate / 2);
    EXPECT_LT(laengste, m.rate * 6 / 10);
    const qsizetype wort = ende - laengste;
    EXPECT_GT(wort, m.rate / 5);
    EXPECT_GT(p.size() - ende, 2 * wort);
}

TEST(EspeakSprache, ANewTextOrStopCutsOffWhatIsBeingSpoken) {
    for (const bool neuerText : {true, false}) {
        Mitschnitt m;
        m.anhalten = true;
        EspeakSprache sprache(aufnahme(m));
        QSignalSpy fertig(&sprache, &EspeakSprache::ausgesprochen);
        sprache.sprich({"Die Biene fliegt über die große Wiese am Bach."});
        ASSERT_TRUE(m.angehalten.tryAcquire(1, 10000));
        if (neuerText)
            sprache.sprich({"Bahn"});
        else
            sprache.verstumme();
        m.weiter.release();
        if (!neuerText) {
            // Once the stop has been carried out, a word follows.
            for (int n = 0; n < 1000 && m.beendet < 2; ++n)
                QThread::msleep(10);
            sprache.sprich({"Bahn"});
        }
        ASSERT_TRUE(fertig.wait(20000)) << neuerText;
        EXPECT_EQ(fertig.count(), 1) << "the cut text is not reported as spoken";
        QMutexLocker sperre(&m.mutex);
        ASSERT_EQ(m.texte.size(), 2) << neuerText;
        EXPECT_LT(m.texte[0].size() / 2, m.rate / 10) << neuerText;
        EXPECT_GT(m.texte[1].size() / 2, m.rate / 4) << neuerText;
    }
}

TEST(EspeakStimme, SpeaksPhonemeInput) {
    EspeakStimme stimme;
    ASSERT_TRUE(stimme.bereit());
    const auto laenge = [&](const QString& text) {
        qint64 n = 0;
        stimme.synthetisiere(text, [&](const short*, int anzahl) {
            n += anzahl;
            return true;
        });
        return n;
    };
    EXPECT_LT(laenge("Die [[bl'u:m@]] blüht."), laenge("Die Blume blüht.") * 5 / 4);
    EXPECT_GT(laenge("\x01΅Blume"), laenge("Blume") / 2) << "control or sign: a blank";
    EXPECT_EQ(sprechbar(QString::fromUtf8("\x01ä\x7f\u00A0ÿ΅„c“")),
              QString::fromUtf8(" ä \u00A0ÿ „c“"));
    // Slow enough for a child: 1.4 s; at espeak-ng's own 175 words a minute 1.2 s.
    EXPECT_GT(laenge("Die Blume blüht im Garten."), stimme.abtastrate() * 13 / 10);
}
