// The one field reader and the readers of Vokra.ini ([Spiele], [Sound], [Zafku]) and
// Vokra.tsp over any bytes: the reader always advances and never yields a line end
// inside a field; the readers fail only with a LaufzeitFehler and keep their values in
// range.
#include "FuzzHilfe.h"

#include "glob/HostDateien.h"
#include "glob/SitzungsDaten.h"
#include "platform/FieldReader.h"
#include "platform/LaufzeitFehler.h"
#include "platform/Windows1252.h"
#include "settings/ZafkuIni.h"
#include "sound/SoundMod.h"
#include "support/StummeAusgabe.h"

using namespace zafku;

namespace {

qsizetype pruefeFelder(const QString& text) {
    FieldReader leser(text);
    qsizetype felder = 0;
    while (!leser.atEnd()) {
        const QString feld = leser.next();
        ++felder;
        // Each field takes at least one character, or the reader would stand still.
        PRUEFE(felder <= text.size(), "field reader advances");
        PRUEFE(!feld.contains(u'\r') && !feld.contains(u'\n'), "a line end ends a field");
        PRUEFE(!leser.readPastEnd(), "no read past the end before the end");
        PRUEFE(!leser.quoteCutOff() || leser.atEnd(), "an open quote only at the end");
    }
    PRUEFE(leser.next().isEmpty() && leser.readPastEnd(), "past the end");
    return felder;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const FuzzHost host;
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString text = decodeWindows1252(bytes);
    const qsizetype felder = pruefeFelder(text);

    host.write(QStringLiteral("Vokra.ini"), bytes);
    host.write(QStringLiteral("Vokra.tsp"), bytes);
    SitzungsDaten daten;
    daten.appPfad = host.path();
    daten.feldName = QStringLiteral("LIE_");
    try {
        daten.spielZeitFaktor = -1;
        leseMaxSpielDauer(daten);
        PRUEFE(daten.spielZeitFaktor == -1 ||
                   (daten.spielZeitFaktor >= 1 && daten.spielZeitFaktor <= 15),
               "play-time factor 1 to 15 or unchanged");
        leseKategorieText(daten);
        PRUEFE(daten.katNr >= 0 && daten.katNr <= (felder + 1) / 2, "category number");
        StummeAusgabe ausgabe;
        SoundMod sound(daten, ausgabe);
        sound.ladeSoundTabelle();
        for (const auto& zeile : daten.soundTab)
            for (const QString& wert : zeile)
                PRUEFE(!wert.contains(u'\r') && !wert.contains(u'\n'), "sound entry one line");
        EinstellKontrollen kontrollen;
        for (const QString& meldung : loadVokraIni(daten, kontrollen))
            PRUEFE(!meldung.isEmpty(), "a message for each unusable entry");
    } catch (const LaufzeitFehler& fehler) {
        PRUEFE(fehler.text().contains(QLatin1String("Vokra")) ||
                   fehler.text().contains(QLatin1String("VOKRA")),
               "a fault names the host file");
    }
    return 0;
}
