#pragma once

#include "glob/GlobModul.h"

#include <QList>

// Hands out scripted numbers: "draws 7, 8, 9"; past the script, lo.
class SkriptZufall : public zafku::ZufallsZahlen {
  public:
    QList<int> werte;
    int zufallsZahl(int lo, int) override { return werte.isEmpty() ? lo : werte.takeFirst(); }
};
