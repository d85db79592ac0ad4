#pragma once

#include "Fakes.h"
#include "game/SpielAblauf.h"
#include "glob/SitzungsDaten.h"
#include "sound/SoundMod.h"
#include "support/FesteUhr.h"
#include "support/TempHost.h"

namespace zafku::test {

// A game on a temporary host with scripted tasks, random numbers and a standing clock.
struct SpielAufbau {
    explicit SpielAufbau(double sekunden) : uhr(sekunden) {}

    // Vokra.ini from its lines; each sound named gets a file; files are first names, lower case.
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
    QString gespielt() const {
        return audio.gespielt.isEmpty() ? QString() : audio.gespielt.last().section('/', -1);
    }
    // Big card's name, word line, field, points, lit lamps and last sound, as children see them.
    std::string sicht() const {
        const QString lampe =
            QString(lampen.rot ? "r" : "") + (lampen.gelb ? "g" : "") + (lampen.gruen ? "G" : "");
        return QString("%1 | %2 | %3 | %4 | %5 | %6")
            .arg(anzeige.karten[0].name, anzeige.wortZeile, anzeige.feldKennung, anzeige.punkte,
                 lampe, gespielt())
            .toStdString();
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
