#pragma once

#include "LupenPruefung.h"

#include <QHash>
#include <QList>

namespace zafku {

class RdbManager;

// The usable tasks of both lists in record order, built in one pass per list while
// counting. A draw then jumps to its task instead of stepping there, with the same
// positions, record moves and reads as stepping gives.
class AufgabenIndex {
  public:
    // Builds the list's index; leaves aufgabenPos and the word record where counting by
    // stepping leaves them. Returns the number of tasks.
    int zaehle(RdbManager& rdb, bool liste2);
    bool gotoAufgabe(RdbManager& rdb, int n, bool liste2);

  private:
    struct Marke {
        std::optional<int> vesk, vonPos;
    };
    struct Eintrag {
        qint64 rowid = 0;
        Fundstelle fund;
    };
    struct Liste {
        QList<Eintrag> aufgaben;
        // Last record meeting the criterion, where a walk that runs out stops.
        qint64 letzterTreffer = 0;
        bool hatTreffer = false;
    };

    void leseMarken(RdbManager& rdb);

    QHash<qint64, QList<Marke>> marken_;
    bool markenGelesen_ = false;
    Liste listen_[2];
};

} // namespace zafku
