#pragma once

#include "Karteiregeln.h"
#include "Lesestand.h"

#include <QList>
#include <QMap>
#include <QString>

namespace zafku::kartei {

// Lines vonZeile..bisZeile of the file as it is now were first read on datum.
struct Lesung {
    QDate datum;
    int vonZeile = 0;
    int bisZeile = 0;
    bool operator==(const Lesung&) const = default;
};

// Everything kept about one child, named by its protocol file's base name.
struct KindKartei {
    Lesestand stand;
    Karten karten;
    QList<Lesung> lesungen;
    bool operator==(const KindKartei&) const = default;
};

// Where the boxes live. Every operation raises LaufzeitFehler with a German text naming
// the store and what is wrong.
class KarteiSpeicher {
  public:
    virtual ~KarteiSpeicher() = default;

    virtual QString bezeichnung() const = 0;

    // Connects, creates the tables when missing and starts a transaction in which no other
    // process changes datei's box; returns what is kept for it.
    virtual KindKartei beginne(const QString& datei) = 0;
    // Replaces what is kept for datei, commits and disconnects.
    virtual void speichere(const QString& datei, const KindKartei& kartei) = 0;
    // Drops an open transaction and disconnects; never raises.
    virtual void verwirf() = 0;

    // Every child's box, by file name; nothing without a store.
    virtual QMap<QString, KindKartei> alle() = 0;
};

} // namespace zafku::kartei
