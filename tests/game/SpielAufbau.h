#pragma once

#include "Fakes.h"
#include "game/SpielAblauf.h"
#include "sound/SoundMod.h"
#include "glob/SitzungsDaten.h"
#include "support/FesteUhr.h"
#include "support/TempHost.h"

namespace zafku::test {

// A game on a temporary host with scripted tasks, random numbers and a standing clock.
struct SpielAufbau {
    explicit SpielAufbau(double sekunden) : uhr(sekunden) {}

    // Vokra.ini from its lines; each sound named gets a file. Players' files are their
    // first names in lower case.
    void bereite(const QStringList& ini, const QStringList& namen,
                 std::initializer_list<const char*> wavs = {}) {
        host.writeHostFile("Vokra.ini", ini);
        for (const char* wav : wavs)
            host.writeBytes(QStringLiteral("Sound/%1.WAV").arg(wav), "RIFF");
        daten.appPfad = host.path();
        daten.nSpieler = static_cast<int>(namen.size());
        for (int i = 0; i < namen.size(); ++i) {
            daten.spielerName[i] = namen[i];
            daten.spielerDatei[i] = namen[i].section(' ', 0, 0).toLower();
        }
    }
    int index(const QString& eintrag) const {
        return static_cast<int>(ablauf.liste().indexOf(eintrag));
    }

    TempHost host;
    SitzungsDaten daten;
    TestQuelle quelle;
    TestAudio audio;
    SoundMod sound{daten, audio};
    SkriptZufall zufall;
    FesteUhr uhr;
    TestAnzeige anzeige;
    TestLampen lampen;
    TestZeit zeit;
    SpielAblauf ablauf{daten, quelle, sound, zufall, uhr, anzeige, lampen, zeit};
};

} // namespace zafku::test
