#include "QtAudioOutput.h"

#include "WavPruefung.h"
#include "platform/Pause.h"

#include <QSoundEffect>
#include <QUrl>

#include <algorithm>

namespace zafku {

namespace {
// Loading the file and opening a stream delay the first sample by about this much.
constexpr qint64 kAnlaufMs = 150;
// The end waits two seconds for its cue already; this keeps the whole end near three.
constexpr qint64 kLaengstesNachklingenMs = 1000;
} // namespace

QtAudioOutput::QtAudioOutput(QObject* parent) : QObject(parent) {
    for (Stimme& s : stimmen_)
        s.effekt = new QSoundEffect(this);
    uhr_.start();
}

void QtAudioOutput::play(const QString& wavPath) {
    const std::optional<qint64> dauer = wavDauerMs(wavPath);
    if (!dauer)
        return;
    // Round robin rather than "first idle one": without an audio server a player never
    // reports that it has finished.
    Stimme& s = stimmen_[naechste_];
    naechste_ = (naechste_ + 1) % stimmen_.size();
    s.effekt->stop();
    s.effekt->setSource(QUrl::fromLocalFile(wavPath));
    s.effekt->play();
    s.endeMs = uhr_.elapsed() + *dauer + kAnlaufMs;
}

qint64 QtAudioOutput::restMs() const {
    const qint64 ende =
        std::max_element(stimmen_.cbegin(), stimmen_.cend(), [](const Stimme& a, const Stimme& b) {
            return a.endeMs < b.endeMs;
        })->endeMs;
    return std::clamp<qint64>(ende - uhr_.elapsed(), 0, kLaengstesNachklingenMs);
}

void QtAudioOutput::close() {
    // The effects play on the event loop; the cue's own length bounds the wait, since
    // without an audio server an effect never reports its end.
    const qint64 ende = uhr_.elapsed() + restMs();
    while (uhr_.elapsed() < ende)
        pauseOhneEingabe(int(std::min<qint64>(ende - uhr_.elapsed(), 50)));
    for (Stimme& s : stimmen_) {
        s.effekt->stop();
        s.effekt->setSource(QUrl());
        s.endeMs = 0;
    }
}

} // namespace zafku
