#pragma once

#include "glob/GlobModul.h"

#include <QList>

// Hands out scripted numbers: "draws 7, 8, 9"; past the script, lo.
class SkriptZufall : public zafku::ZufallsZahlen {
  public:
    QList<int> werte;
    int zufallsZahl(int lo, int) override { return werte.isEmpty() ? lo : werte.takeFirst(); }
};

// Reproducible uniform draws, so that two managers can be given the same ones.
class FolgeZufall : public zafku::ZufallsZahlen {
  public:
    explicit FolgeZufall(quint32 start) : zustand_(start) {}
    int zufallsZahl(int lo, int hi) override {
        zustand_ = zustand_ * 1664525u + 1013904223u;
        return hi < lo ? lo : lo + int((zustand_ >> 8) % quint32(hi - lo + 1));
    }

  private:
    quint32 zustand_;
};
