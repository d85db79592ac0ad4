#include "WavPruefung.h"

#include <QFile>
#include <QtEndian>

namespace zafku {

std::optional<qint64> wavDauerMs(const QString& pfad) {
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray kopf = datei.read(12);
    if (kopf.size() < 12 || !kopf.startsWith("RIFF") || kopf.mid(8, 4) != "WAVE")
        return std::nullopt;
    std::optional<qint64> bytesProSekunde;
    // A cue has a handful of chunks; a file of millions of empty ones is no cue.
    for (int n = 0; n < kMaxWavBloecke; ++n) {
        const QByteArray block = datei.read(8);
        if (block.size() < 8)
            return std::nullopt;
        const qint64 laenge = qFromLittleEndian<quint32>(block.constData() + 4);
        const qint64 rest = datei.size() - datei.pos();
        if (block.startsWith("data")) {
            if (!bytesProSekunde || laenge <= 0 || laenge > rest)
                return std::nullopt;
            return *bytesProSekunde == 0 ? 0 : laenge * 1000 / *bytesProSekunde;
        }
        if (block.startsWith("fmt ")) {
            if (laenge < 16 || laenge > rest)
                return std::nullopt;
            // The player goes by the sample rate and frame size; the header's own byte
            // rate may say anything.
            const QByteArray format = datei.peek(16);
            const quint32 rate = qFromLittleEndian<quint32>(format.constData() + 4);
            const quint16 rahmen = qFromLittleEndian<quint16>(format.constData() + 12);
            bytesProSekunde = qint64(rate) * rahmen;
        }
        if (!datei.seek(datei.pos() + laenge + (laenge & 1)))
            return std::nullopt;
    }
    return std::nullopt;
}

bool istVollstaendigesWav(const QString& pfad) {
    return wavDauerMs(pfad).has_value();
}

} // namespace zafku
