#include "EspeakSprache.h"

#include "EspeakStimme.h"

#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>
#include <QTimer>

#include <utility>

namespace zafku {

namespace {
// Between the word and its sentence.
constexpr int kPauseMs = 500;
// How often samples the output could not take yet are offered again.
constexpr int kNachfuellenMs = 10;

class Lautsprecher : public Tonausgabe {
  public:
    Lautsprecher(const QAudioDevice& geraet, int abtastrate) {
        QAudioFormat format;
        format.setSampleRate(abtastrate);
        format.setChannelCount(1);
        format.setSampleFormat(QAudioFormat::Int16);
        senke_ = std::make_unique<QAudioSink>(geraet, format);
    }
    QIODevice* beginne() override { return senke_->start(); }
    void beende() override { senke_->stop(); }

  private:
    std::unique_ptr<QAudioSink> senke_;
};

} // namespace

// Lives on the speech thread: espeak-ng and the audio output are made and used there only.
class SprachFaden : public QObject {
    Q_OBJECT
  public:
    SprachFaden(TonausgabeBau bau, std::shared_ptr<std::atomic<int>> nummer)
        : bau_(std::move(bau)), nummer_(std::move(nummer)) {}

    void starte() {
        stimme_ = std::make_unique<EspeakStimme>();
        if (!stimme_->bereit())
            return;
        ausgabe_ = bau_(stimme_->abtastrate());
        fuetterer_ = new QTimer(this);
        fuetterer_->setInterval(kNachfuellenMs);
        connect(fuetterer_, &QTimer::timeout, this, &SprachFaden::fuettere);
    }

    void sprich(int nummer, const QStringList& texte) {
        const auto aktuell = [&] { return nummer_->load() == nummer; };
        if (!ausgabe_ || !aktuell())
            return;
        verstumme();
        eingang_ = ausgabe_->beginne();
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
        // Announced once the output has taken the rest as well.
        ganz_ = aktuell();
        fuettere();
    }

    void verstumme() {
        rest_.clear();
        ganz_ = false;
        if (fuetterer_)
            fuetterer_->stop();
        if (ausgabe_)
            ausgabe_->beende();
        eingang_ = nullptr;
    }

  signals:
    void ersteProbenAbgegeben();
    void ausgesprochen();

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
        if (eingang_ && !rest_.isEmpty()) {
            fuetterer_->start();
            return;
        }
        fuetterer_->stop();
        if (std::exchange(ganz_, false))
            emit ausgesprochen();
    }

    TonausgabeBau bau_;
    std::shared_ptr<std::atomic<int>> nummer_;
    std::unique_ptr<EspeakStimme> stimme_;
    std::unique_ptr<Tonausgabe> ausgabe_;
    QIODevice* eingang_ = nullptr;
    QTimer* fuetterer_ = nullptr;
    QByteArray rest_;
    bool abgegeben_ = false;
    bool ganz_ = false;
};

EspeakSprache::EspeakSprache(QObject* parent)
    : EspeakSprache(
          [geraet = QMediaDevices::defaultAudioOutput()](int rate) -> std::unique_ptr<Tonausgabe> {
              if (geraet.isNull())
                  return nullptr;
              return std::make_unique<Lautsprecher>(geraet, rate);
          },
          parent) {}

EspeakSprache::EspeakSprache(TonausgabeBau ausgabe, QObject* parent)
    : QObject(parent), nummer_(std::make_shared<std::atomic<int>>()) {
    arbeiter_ = new SprachFaden(std::move(ausgabe), nummer_);
    arbeiter_->moveToThread(&faden_);
    connect(&faden_, &QThread::finished, arbeiter_, &QObject::deleteLater);
    connect(arbeiter_, &SprachFaden::ersteProbenAbgegeben, this,
            &EspeakSprache::ersteProbenAbgegeben);
    connect(arbeiter_, &SprachFaden::ausgesprochen, this, &EspeakSprache::ausgesprochen);
    faden_.start();
    // The voice loads while the game starts, not at the first word.
    QMetaObject::invokeMethod(arbeiter_, &SprachFaden::starte);
}

EspeakSprache::~EspeakSprache() {
    ++*nummer_;
    faden_.quit();
    faden_.wait();
}

void EspeakSprache::sprich(const QStringList& texte) {
    const int nummer = ++*nummer_;
    QMetaObject::invokeMethod(arbeiter_,
                              [a = arbeiter_, nummer, texte] { a->sprich(nummer, texte); });
}

void EspeakSprache::verstumme() {
    ++*nummer_;
    QMetaObject::invokeMethod(arbeiter_, &SprachFaden::verstumme);
}

} // namespace zafku

#include "EspeakSprache.moc"
