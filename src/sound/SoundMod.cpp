#include "SoundMod.h"

#include "platform/AudioOutput.h"
#include "platform/FieldReader.h"
#include "platform/HostPath.h"
#include "glob/HostDateien.h"
#include "glob/SitzungsDaten.h"

#include <QFileInfo>

namespace zafku {

namespace {

const QString kOhneTon = QStringLiteral("<NULL>");

} // namespace

SoundMod::SoundMod(SitzungsDaten& daten, AudioOutput& ausgabe) : daten_(daten), ausgabe_(ausgabe) {}

void SoundMod::initSoundTabelle() {
    static const char16_t* const ereignisse[] = {
        u"ProgrammStart",  u"ProgrammEnde", u"ProgrammMeldung",   u"Gratulation1",
        u"Gratulation2",   u"Achtung",      u"AllgemeinerFehler", u"LeichterFehler",
        u"SchwererFehler", u"Annahme1",     u"Annahme2",          u"Glückstreffer",
        u"BewegungStart",  u"BewegungStop", u"BewegungEnde"};
    static_assert(std::size(ereignisse) == std::tuple_size_v<decltype(SitzungsDaten::soundTab)>);
    for (std::size_t i = 0; i < std::size(ereignisse); ++i)
        daten_.soundTab[i] = {QString::fromUtf16(ereignisse[i]), kOhneTon};
}

void SoundMod::ladeSoundTabelle() {
    initSoundTabelle();
    FieldReader leser(leseHostDatei(daten_.appPfad, QStringLiteral("VOKRA.INI")));
    if (!leser.skipPast(QStringLiteral("[Sound]")))
        return;
    while (!leser.atEnd()) {
        const QString feld = leser.next();
        if (feld.startsWith(u'['))
            return;
        for (auto& zeile : daten_.soundTab) {
            if (feld.startsWith(zeile[0] + u'=')) {
                zeile[1] = feld.mid(zeile[0].size() + 1).trimmed();
                break;
            }
        }
    }
}

void SoundMod::spieleSound(const QString& ereignis) {
    if (daten_.tonEin == 0)
        return;
    for (const auto& zeile : daten_.soundTab) {
        if (zeile[0] == ereignis) {
            if (zeile[1] != kOhneTon)
                spieleWav(zeile[1]);
            return;
        }
    }
}

void SoundMod::spieleWav(const QString& basisName) {
    const QString pfad = resolveHostPath(daten_.appPfad, QStringLiteral("Sound/") + basisName +
                                                             QStringLiteral(".WAV"));
    if (QFileInfo(pfad).isFile())
        ausgabe_.play(pfad);
}

qint64 SoundMod::restMs() const {
    return ausgabe_.restMs();
}

void SoundMod::schliessen() {
    ausgabe_.close();
}

} // namespace zafku
