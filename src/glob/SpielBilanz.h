#pragma once

#include <QList>
#include <QString>

#include <optional>

namespace zafku {

struct SitzungsDaten;

// What a finished game leaves for the start window: each seat's points and Zafkus and the
// winner. The game only writes it; nothing in the game reads it back.
struct SpielBilanz {
    struct Platz {
        QString datei; // protocol file name; empty for the computer
        QString name;
        int punkte = 0;
        int zafkus = 0;
        bool operator==(const Platz&) const = default;
    };
    QList<Platz> plaetze;
    // The one with the most points when several played; nobody on a tie.
    QString gewinner;
    bool operator==(const SpielBilanz&) const = default;
};

SpielBilanz bilanz(const SitzungsDaten& daten);

// The file of the game whose first player writes to the protocol file datei: one per child,
// so that machines sharing the folder never meet.
QString bilanzDatei(const QString& userPfad, const QString& datei);

// Written at the end of the game, never failing it: false when it cannot be written.
bool schreibeBilanz(const SitzungsDaten& daten);
std::optional<SpielBilanz> leseBilanz(const QString& pfad);

} // namespace zafku
