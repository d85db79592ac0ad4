#pragma once

#include "platform/Sprachausgabe.h"

#include <QObject>
#include <QThread>

#include <atomic>
#include <memory>

namespace zafku {

class SprachFaden;

// Speech through espeak-ng: synthesised and handed to the default audio output on a
// thread of its own, so that speaking never holds up the window. Without an audio device
// it stays silent.
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
    QThread faden_;
    SprachFaden* arbeiter_ = nullptr;
    // Raised by each new text; the thread drops what an older one still makes.
    std::shared_ptr<std::atomic<int>> nummer_;
};

} // namespace zafku
