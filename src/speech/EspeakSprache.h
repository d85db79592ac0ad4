#pragma once

#include "platform/Sprachausgabe.h"

#include <QObject>
#include <QThread>

#include <atomic>
#include <functional>
#include <memory>

class QIODevice;

namespace zafku {

class SprachFaden;

// Where the speech thread puts its samples: made, used and destroyed on that thread.
class Tonausgabe {
  public:
    virtual ~Tonausgabe() = default;
    // Opens for the next text; the device takes 16-bit mono samples as far as it can.
    // Null when nothing can be played.
    virtual QIODevice* beginne() = 0;
    // Drops what was not played yet.
    virtual void beende() = 0;
};
using TonausgabeBau = std::function<std::unique_ptr<Tonausgabe>(int abtastrate)>;

// Speech through espeak-ng: synthesised and handed to the audio output on a thread of
// its own, so that speaking never holds up the window.
class EspeakSprache : public QObject, public Sprachausgabe {
    Q_OBJECT
  public:
    // The default audio output; without an audio device it stays silent.
    explicit EspeakSprache(QObject* parent = nullptr);
    explicit EspeakSprache(TonausgabeBau ausgabe, QObject* parent = nullptr);
    ~EspeakSprache() override;

    void sprich(const QStringList& texte) override;
    void verstumme() override;

  signals:
    // The first samples of a text were handed to the audio output.
    void ersteProbenAbgegeben();
    // The audio output took the last sample of the texts.
    void ausgesprochen();

  private:
    QThread faden_;
    SprachFaden* arbeiter_ = nullptr;
    // Raised by each new text; the thread drops what an older one still makes.
    std::shared_ptr<std::atomic<int>> nummer_;
};

} // namespace zafku
