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
};

EigenesWort alsEigenesWort(const PruefWort& w);

} // namespace zafku::eigene
