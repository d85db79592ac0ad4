#pragma once

#include "StartWahl.h"
#include "bericht/Klassenliste.h"

namespace zafku::starter {

struct KlassenEingabe {
    QList<bericht::KlassenKind> kinder;
    QString fehler; // German, "" when the class can be saved
};

// The class as the teacher typed it: names tidied, rows without a name dropped. A child
// that has a protocol file keeps it whatever its name became; a new one gets one derived
// from its name, unique in the class.
KlassenEingabe uebernimmKlasse(const QList<bericht::KlassenKind>& zeilen);

// pruefeWahl; with a class list, children who have not picked their names are asked to.
QString pruefeWahl(const QString& code, const QList<Spieler>& spieler, bool mitKlasse);

// Which children of the class play, picked by touching their names: one to maxSpieler,
// in the order they were picked.
class NamenWahl {
  public:
    explicit NamenWahl(QList<bericht::KlassenKind> klasse = {}) : klasse_(std::move(klasse)) {}

    // Picks the child or takes it back; false when the game is full and it is not in it.
    bool tippe(int kind);
    bool gewaehlt(int kind) const { return reihe_.contains(kind); }
    QList<Spieler> spieler() const;
    const QList<bericht::KlassenKind>& klasse() const { return klasse_; }

  private:
    QList<bericht::KlassenKind> klasse_;
    QList<int> reihe_;
};

} // namespace zafku::starter
