#include "EspeakStimme.h"

#include "platform/Sprachausgabe.h"

#include <espeak-ng/speak_lib.h>

namespace zafku {

namespace {

// Short pieces let the first sound start before the rest of the text is made.
constexpr int kStueckMs = 40;
// Slower than espeak-ng's 175 words a minute: the listeners are learning to read.
constexpr int kWoerterProMinute = 140;

// espeak-ng stops when the answer is 1.
int weiterreichen(short* wav, int anzahl, espeak_EVENT* ereignisse) {
    const auto* proben = static_cast<const EspeakStimme::Proben*>(ereignisse->user_data);
    if (!proben || !wav || anzahl <= 0)
        return 0;
    return (*proben)(wav, anzahl) ? 0 : 1;
}

// Once per process and never ended: espeak-ng 1.51 hangs in its second espeak_Terminate
// after being set up again.
int abtastrateDerStimme() {
    static const int rate = [] {
        const int r = espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, kStueckMs, nullptr,
                                        espeakINITIALIZE_DONT_EXIT);
        if (r <= 0 || espeak_SetVoiceByName("de") != EE_OK)
            return 0;
        espeak_SetSynthCallback(weiterreichen);
        espeak_SetParameter(espeakRATE, kWoerterProMinute, 0);
        return r;
    }();
    return rate;
}

} // namespace

EspeakStimme::EspeakStimme() : rate_(abtastrateDerStimme()) {}

void EspeakStimme::synthetisiere(const QString& text, const Proben& proben) {
    if (!bereit())
        return;
    const QByteArray utf8 = sprechbar(text).toUtf8();
    // [[…]] carries a pronunciation written in espeak-ng's phoneme code.
    espeak_Synth(utf8.constData(), utf8.size() + 1, 0, POS_CHARACTER, 0,
                 espeakCHARS_UTF8 | espeakPHONEMES, nullptr, const_cast<Proben*>(&proben));
}

} // namespace zafku
