#include "EspeakSprache.h"

#include "EspeakStimme.h"

#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>

namespace zafku {

namespace {
// Between the word and its sentence.
constexpr int kPauseMs = 500;
// How often samples the output could not take yet are offered again.
constexpr int kNachfuellenMs = 10;
} // namespace

// Lives on the speech thread; espeak-ng is made and used there only.
class SyntheseArbeiter : public QObject {
    Q_OBJECT
  public:
    explicit SyntheseArbeiter(std::shared_ptr<std::atomic<int>> nummer)
        : nummer_(std::move(nummer)) {}

    void starte() { stimme_ = std::make_unique<EspeakStimme>(); }

    void sprich(int nummer, const QStringList& texte) {
        if (!stimme_ || !stimme_->bereit())
            return;
        const int rate = stimme_->abtastrate();
        const auto weiter = [&] { return nummer_->load() == nummer; };
        for (qsizetype i = 0; i < texte.size() && weiter(); ++i) {
            if (i > 0)
                emit proben(nummer, rate, QByteArray(rate * kPauseMs / 1000 * 2, '\0'));
            stimme_->synthetisiere(texte[i], [&](const short* wav, int anzahl) {
                if (!weiter())
                    return false;
                emit proben(nummer, rate,
                            QByteArray(reinterpret_cast<const char*>(wav), anzahl * 2));
                return true;
            });
        }
    }

  signals:
    void proben(int nummer, int abtastrate, const QByteArray& pcm);

  private:
    std::shared_ptr<std::atomic<int>> nummer_;
    std::unique_ptr<EspeakStimme> stimme_;
};

EspeakSprache::EspeakSprache(QObject* parent)
    : QObject(parent), geraet_(QMediaDevices::defaultAudioOutput()),
      nummer_(std::make_shared<std::atomic<int>>(0)) {
    fuetterer_.setInterval(kNachfuellenMs);
    connect(&fuetterer_, &QTimer::timeout, this, &EspeakSprache::fuettere);
    if (geraet_.isNull())
        return;
    arbeiter_ = new SyntheseArbeiter(nummer_);
    arbeiter_->moveToThread(&faden_);
    connect(arbeiter_, &SyntheseArbeiter::proben, this, &EspeakSprache::nimm);
    faden_.start();
    // The voice loads while the game starts, not at the first word.
    QMetaObject::invokeMethod(arbeiter_, &SyntheseArbeiter::starte);
}

EspeakSprache::~EspeakSprache() {
    if (!arbeiter_)
        return;
    ++*nummer_;
    faden_.quit();
    faden_.wait();
    delete arbeiter_;
}

void EspeakSprache::sprich(const QStringList& texte) {
    if (!arbeiter_)
        return;
    verstumme();
    const int nummer = nummer_->load();
    QMetaObject::invokeMethod(arbeiter_,
                              [a = arbeiter_, nummer, texte] { a->sprich(nummer, texte); });
}

void EspeakSprache::verstumme() {
    ++*nummer_;
    rest_.clear();
    fuetterer_.stop();
    if (senke_)
        senke_->stop();
    eingang_ = nullptr;
}

void EspeakSprache::nimm(int nummer, int abtastrate, const QByteArray& pcm) {
    if (nummer != nummer_->load())
        return;
    if (nummer != gespielt_) {
        gespielt_ = nummer;
        abgegeben_ = false;
        if (senke_ && abtastrate != abtastrate_) {
            delete senke_;
            senke_ = nullptr;
        }
        if (!senke_) {
            QAudioFormat format;
            format.setSampleRate(abtastrate);
            format.setChannelCount(1);
            format.setSampleFormat(QAudioFormat::Int16);
            senke_ = new QAudioSink(geraet_, format, this);
            abtastrate_ = abtastrate;
        }
        eingang_ = senke_->start();
    }
    rest_ += pcm;
    fuettere();
}

void EspeakSprache::fuettere() {
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
        fuetterer_.start();
    else
        fuetterer_.stop();
}

} // namespace zafku

#include "EspeakSprache.moc"
