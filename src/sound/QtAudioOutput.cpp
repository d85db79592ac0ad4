#include "QtAudioOutput.h"

#include "WavPruefung.h"

#include <QSoundEffect>
#include <QUrl>

namespace zafku {

QtAudioOutput::QtAudioOutput(QObject* parent) : QObject(parent) {
    for (auto& effekt : spieler_)
        effekt = new QSoundEffect(this);
}

void QtAudioOutput::play(const QString& wavPath) {
    if (!istVollstaendigesWav(wavPath))
        return;
    // Round robin rather than "first idle one": without an audio server a player never
    // reports that it has finished.
    QSoundEffect* effekt = spieler_[naechster_];
    naechster_ = (naechster_ + 1) % spieler_.size();
    effekt->stop();
    effekt->setSource(QUrl::fromLocalFile(wavPath));
    effekt->play();
}

void QtAudioOutput::close() {
    for (QSoundEffect* effekt : spieler_) {
        effekt->stop();
        effekt->setSource(QUrl());
    }
}

} // namespace zafku
