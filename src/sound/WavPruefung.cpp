#include "WavPruefung.h"

#include <QFile>
#include <QtEndian>

namespace zafku {

bool istVollstaendigesWav(const QString& pfad) {
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly))
        return false;
    const QByteArray kopf = datei.read(12);
    if (kopf.size() < 12 || !kopf.startsWith("RIFF") || kopf.mid(8, 4) != "WAVE")
        return false;
    bool formatGelesen = false;
    for (;;) {
        const QByteArray block = datei.read(8);
        if (block.size() < 8)
            return false;
        const qint64 laenge = qFromLittleEndian<quint32>(block.constData() + 4);
        const qint64 rest = datei.size() - datei.pos();
        if (block.startsWith("data"))
            return formatGelesen && laenge > 0 && laenge <= rest;
        if (block.startsWith("fmt "))
            formatGelesen = laenge >= 16 && laenge <= rest;
        if (!datei.seek(datei.pos() + laenge + (laenge & 1)))
            return false;
    }
}

} // namespace zafku
