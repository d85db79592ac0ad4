#include "Lautschrift.h"

#include "platform/Sprachausgabe.h"

#include <QStringList>

#include <espeak-ng/speak_lib.h>

namespace zafku::aussprache {

Lautschrift* Lautschrift::deutsch() {
    static Lautschrift* const einzige = []() -> Lautschrift* {
        // No audio: only the translation to phonemes is used.
        if (espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr, 0) < 0)
            return nullptr;
        if (espeak_SetVoiceByName("de") != EE_OK)
            return nullptr;
        static Lautschrift l;
        return &l;
    }();
    return einzige;
}

QString Lautschrift::phoneme(const QString& text) const {
    // The engine reads phoneme input only when it speaks; asked for phonemes it would
    // spell the brackets out.
    if (text.startsWith(QLatin1String("[[")) && text.endsWith(QLatin1String("]]")))
        return text.mid(2, text.size() - 4).trimmed();
    const QByteArray utf8 = sprechbar(text).toUtf8();
    const void* rest = utf8.constData();
    QStringList teile;
    // One clause per call; rest becomes null after the last.
    while (rest)
        teile.append(QString::fromUtf8(espeak_TextToPhonemes(&rest, espeakCHARS_UTF8, 0)));
    return teile.join(u' ').trimmed();
}

} // namespace zafku::aussprache
