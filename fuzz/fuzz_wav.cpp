// The WAVE header check over any bytes: a duration only for a RIFF WAVE file, never more
// than the file's bytes can play, and bytes after a complete file change nothing.
#include "FuzzHilfe.h"

#include "sound/WavPruefung.h"

using namespace zafku;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const FuzzHost host;
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString pfad = host.file(QStringLiteral("Ton.wav"));
    host.write(QStringLiteral("Ton.wav"), bytes);
    const auto dauer = wavDauerMs(pfad);
    PRUEFE(dauer.has_value() == istVollstaendigesWav(pfad), "check and duration agree");
    if (!dauer)
        return 0;
    PRUEFE(bytes.startsWith("RIFF") && bytes.mid(8, 4) == "WAVE", "only a RIFF WAVE file");
    PRUEFE(*dauer >= 0 && *dauer <= qint64(size) * 1000, "at most a second per byte");
    host.write(QStringLiteral("Ton.wav"), bytes + QByteArray(7, 'x'));
    PRUEFE(wavDauerMs(pfad) == dauer, "trailing bytes change nothing");
    return 0;
}
