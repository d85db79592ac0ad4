#pragma once

#include "platform/Sprachausgabe.h"

#include <QAudioDevice>
#include <QByteArray>
#include <QObject>
#include <QThread>
#include <QTimer>

#include <atomic>
#include <memory>

class QAudioSink;
class QIODevice;

namespace zafku {

class SyntheseArbeiter;

// Speech through espeak-ng: synthesised on a thread of its own, played through the
// default audio output from memory. Without an audio device it stays silent.
class EspeakSprache : public QObject, public Sprachausgabe {
    Q_OBJECT
  public:
    explicit EspeakSprache(QObject* parent = nullptr);
    ~EspeakSprache() override;

    void sprich(const QStringList& texte) override;
    void verstumme() override;

  signals:
    // The first samples of a text were handed to the audio output.
    void ersteProbenAbgegeben();

  private:
    void nimm(int nummer, int abtastrate, const QByteArray& pcm);
    void fuettere();

    QAudioDevice geraet_;
    QThread faden_;
    SyntheseArbeiter* arbeiter_ = nullptr;
    // Raised by each new text; the thread drops what an older one still makes.
    std::shared_ptr<std::atomic<int>> nummer_;
    int gespielt_ = 0;
    bool abgegeben_ = false;
    int abtastrate_ = 0;
    QAudioSink* senke_ = nullptr;
    QIODevice* eingang_ = nullptr;
    QByteArray rest_;
    QTimer fuetterer_;
};

} // namespace zafku
