#include "EspeakSprache.h"

#include "EspeakStimme.h"

#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>
#include <QTimer>

namespace zafku {

namespace {
// Between the word and its sentence.
constexpr int kPauseMs = 500;
// How often samples the output could not take yet are offered again.
constexpr int kNachfuellenMs = 10;
} // namespace

// Lives on the speech thread: espeak-ng and the audio output are made and used there only.
class SprachFaden : public QObject {
    Q_OBJECT
  public:
    SprachFaden(QAudioDevice geraet, std::shared_ptr<std::atomic<int>> nummer)
        : geraet_(std::move(geraet)), nummer_(std::move(nummer)) {}

    void starte() {
        stimme_ = std::make_unique<EspeakStimme>();
        if (!stimme_->bereit())
            return;
        QAudioFormat format;
        format.setSampleRate(stimme_->abtastrate());
        format.setChannelCount(1);
        format.setSampleFormat(QAudioFormat::Int16);
        senke_ = new QAudioSink(geraet_, format, this);
        fuetterer_ = new QTimer(this);
        fuetterer_->setInterval(kNachfuellenMs);
        connect(fuetterer_, &QTimer::timeout, this, &SprachFaden::fuettere);
    }

    void sprich(int nummer, const QStringList& texte) {
        const auto aktuell = [&] { return nummer_->load() == nummer; };
        if (!senke_ || !aktuell())
            return;
        verstumme();
        eingang_ = senke_->start();
        abgegeben_ = false;
        const int rate = stimme_->abtastrate();
        for (qsizetype i = 0; i < texte.size() && aktuell(); ++i) {
            if (i > 0)
                nimm(QByteArray(rate * kPauseMs / 1000 * 2, '\0'));
            stimme_->synthetisiere(texte[i], [&](const short* wav, int anzahl) {
                nimm(QByteArray(reinterpret_cast<const char*>(wav), anzahl * 2));
                return aktuell();
            });
        }
    }

    void verstumme() {
        rest_.clear();
        if (fuetterer_)
            fuetterer_->stop();
        if (senke_)
            senke_->stop();
        eingang_ = nullptr;
    }

  signals:
    void ersteProbenAbgegeben();

  private:
    void nimm(const QByteArray& pcm) {
        rest_ += pcm;
        fuettere();
    }

    void fuettere() {
        while (eingang_ && !rest_.isEmpty()) {
            const qint64 n = eingang_->write(rest_);
            if (n <= 0)
                break;
            rest_.remove(0, n);
            if (!abgegeben_) {
                abgegeben_ = true;
                emit ersteProbenAbgegeben();
            }
        }
        // A failed device takes nothing; what it did not take is dropped with the next text.
        if (eingang_ && !rest_.isEmpty())
            fuetterer_->start();
        else
            fuetterer_->stop();
    }

    QAudioDevice geraet_;
    std::shared_ptr<std::atomic<int>> nummer_;
    std::unique_ptr<EspeakStimme> stimme_;
    QAudioSink* senke_ = nullptr;
    QIODevice* eingang_ = nullptr;
    QTimer* fuetterer_ = nullptr;
    QByteArray rest_;
    bool abgegeben_ = false;
};

EspeakSprache::EspeakSprache(QObject* parent)
    : QObject(parent), nummer_(std::make_shared<std::atomic<int>>()) {
    const QAudioDevice geraet = QMediaDevices::defaultAudioOutput();
    if (geraet.isNull())
        return;
    arbeiter_ = new SprachFaden(geraet, nummer_);
    arbeiter_->moveToThread(&faden_);
    connect(&faden_, &QThread::finished, arbeiter_, &QObject::deleteLater);
    connect(arbeiter_, &SprachFaden::ersteProbenAbgegeben, this,
            &EspeakSprache::ersteProbenAbgegeben);
    faden_.start();
    // The voice loads while the game starts, not at the first word.
    QMetaObject::invokeMethod(arbeiter_, &SprachFaden::starte);
}

EspeakSprache::~EspeakSprache() {
    if (!arbeiter_)
        return;
    ++*nummer_;
    faden_.quit();
    faden_.wait();
}

void EspeakSprache::sprich(const QStringList& texte) {
    if (!arbeiter_)
        return;
    const int nummer = ++*nummer_;
    QMetaObject::invokeMethod(arbeiter_,
                              [a = arbeiter_, nummer, texte] { a->sprich(nummer, texte); });
}

void EspeakSprache::verstumme() {
    if (!arbeiter_)
        return;
    ++*nummer_;
    QMetaObject::invokeMethod(arbeiter_, &SprachFaden::verstumme);
}

} // namespace zafku

#include "EspeakSprache.moc"
