#include "EspeakStimme.h"

#include <espeak-ng/speak_lib.h>

namespace zafku {

namespace {

// Short pieces let the first sound start before the rest of the text is made.
constexpr int kStueckMs = 40;
// Slower than espeak-ng's 175 words a minute: the listeners are learning to read.
constexpr int kWoerterProMinute = 140;

struct Auftrag {
    const EspeakStimme::Proben* proben;
    bool abgebrochen = false;
};

int weiterreichen(short* wav, int anzahl, espeak_EVENT* ereignisse) {
    auto* auftrag = static_cast<Auftrag*>(ereignisse->user_data);
    if (!auftrag || !wav || anzahl <= 0)
        return 0;
    auftrag->abgebrochen = !(*auftrag->proben)(wav, anzahl);
    return auftrag->abgebrochen ? 1 : 0;
}

} // namespace

EspeakStimme::EspeakStimme() {
    const int rate =
        espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, kStueckMs, nullptr, espeakINITIALIZE_DONT_EXIT);
    if (rate <= 0 || espeak_SetVoiceByName("de") != EE_OK)
        return;
    espeak_SetSynthCallback(weiterreichen);
    espeak_SetParameter(espeakRATE, kWoerterProMinute, 0);
    rate_ = rate;
}

EspeakStimme::~EspeakStimme() {
    if (rate_ > 0)
        espeak_Terminate();
}

bool EspeakStimme::synthetisiere(const QString& text, const Proben& proben) {
    if (!bereit())
        return false;
    const QByteArray utf8 = text.toUtf8();
    Auftrag auftrag{&proben};
    // [[…]] carries a pronunciation written in espeak-ng's phoneme code.
    const espeak_ERROR fehler = espeak_Synth(utf8.constData(), utf8.size() + 1, 0, POS_CHARACTER, 0,
                                             espeakCHARS_UTF8 | espeakPHONEMES, nullptr, &auftrag);
    return fehler == EE_OK && !auftrag.abgebrochen;
}

} // namespace zafku
