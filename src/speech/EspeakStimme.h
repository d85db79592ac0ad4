#pragma once

#include <QString>

#include <functional>

namespace zafku {

// espeak-ng's German voice, synthesising into memory on the calling thread. espeak-ng
// keeps global state: one object at a time, used from one thread at a time.
class EspeakStimme {
  public:
    using Proben = std::function<bool(const short* proben, int anzahl)>;

    EspeakStimme();
    EspeakStimme(const EspeakStimme&) = delete;
    EspeakStimme& operator=(const EspeakStimme&) = delete;

    // False when espeak-ng or its German voice cannot be used; it then stays silent.
    bool bereit() const { return rate_ > 0; }
    // Samples per second of the 16-bit mono output.
    int abtastrate() const { return rate_; }
    // Hands the samples over piece by piece while they are made; a false answer stops.
    void synthetisiere(const QString& text, const Proben& proben);

  private:
    int rate_ = 0;
};

} // namespace zafku
