#pragma once

#include "FuzzHilfe.h"

#include "eigene/EigeneDatei.h"
#include "eigene/Pruefstand.h"

#include <algorithm>
#include <memory>

inline bool gleich(const QList<zafku::material::Marke>& a, const QList<zafku::material::Marke>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const auto& x, const auto& y) {
        return x.code == y.code && x.vonPos == y.vonPos;
    });
}

// What the teacher's checks need, read once: the demo host's exercises and the German
// word list. The spell checker's three questions have stand-ins (nothing rejected, no filling
// a real word beyond the word list, no suggestion): a process per input would leave the
// fuzzer a handful of runs a second.
struct FuzzPruefung {
    FuzzHost host;
    std::unique_ptr<zafku::eigene::Pruefstand> stand;

    FuzzPruefung() {
        for (const char* name : {"Vokra-D.mdb", "Vokra.kmp", "Vokra.tsp"}) {
            QFile quelle(QStringLiteral(ZAFKU_HOST_DIR "/") + QLatin1String(name));
            if (!quelle.open(QIODevice::ReadOnly))
                std::abort();
            host.write(QLatin1String(name), quelle.readAll());
        }
        QString fehler;
        stand = zafku::eigene::Pruefstand::lade(host.path(),
                                                QStringLiteral("/usr/share/dict/ngerman"), fehler);
        PRUEFE(stand, "exercises and word list load");
    }

    // Checks the words; a list that passes can be saved and read back unchanged.
    void pruefe(const QList<zafku::eigene::PruefWort>& woerter) const {
        using namespace zafku::eigene;
        Pruefmittel mittel = stand->mittel();
        mittel.rechtschreibung = [](const QStringList& texte, QString&) {
            return std::optional(QList<QStringList>(texte.size()));
        };
        mittel.echt = [](const QStringList& woerter, QString&) {
            return std::optional(QList<bool>(woerter.size(), false));
        };
        mittel.vorschlaege = mittel.rechtschreibung;
        if (sperrt(zafku::eigene::pruefe(woerter, mittel)))
            return;
        QList<EigenesWort> neu;
        for (const PruefWort& w : woerter)
            neu.append(alsEigenesWort(w));
        EigeneListe liste;
        PRUEFE(!uebernimm(liste, neu), "numbers for a checked list");
        const EigeneListe gelesen = leseEigeneListe(eigeneListeText(liste));
        PRUEFE(gelesen.woerter.size() == neu.size(), "every checked word read back");
        for (qsizetype i = 0; i < neu.size(); ++i)
            PRUEFE(gelesen.woerter[i].wort == neu[i].wort &&
                       gelesen.woerter[i].kontext == neu[i].kontext &&
                       gelesen.woerter[i].satz == neu[i].satz &&
                       gleich(gelesen.woerter[i].marken, neu[i].marken),
                   "a checked word reads back as saved");
    }
};
