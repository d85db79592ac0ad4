#pragma once

#include "Pruefung.h"
#include "Wortschatz.h"

#include <memory>

namespace zafku::eigene {

// What the proposals and checks need, read once from the host folder and the system.
struct Pruefstand {
    // nullptr with the reason when the host files or the German word list are missing.
    static std::unique_ptr<Pruefstand> lade(const QString& hostDir, const QString& wortliste,
                                            QString& fehler);

    std::unique_ptr<Vorschlaege> vorschlaege;
    wortcheck::Wortschatz wortschatz;
    QHash<QString, QString> artikel;

    Pruefmittel mittel() const { return {wortschatz, vorschlaege->bloecke(), artikel}; }
    // The proposals for a typed word; a word already saved keeps the spots chosen then.
    QList<Vorschlag> vorschlagen(const Eingabe& e, const EigeneListe& bisher,
                                 QList<bool>& gewaehlt) const;
    // The asked words of a saved list as the checks take them; a spot that is none of the
    // word's proposals is a finding of its own.
    QList<PruefWort> pruefWoerter(const EigeneListe& liste, QList<Befund>& befunde) const;
};

EigenesWort alsEigenesWort(const PruefWort& w);

} // namespace zafku::eigene
