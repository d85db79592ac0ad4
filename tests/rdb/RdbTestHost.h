#pragma once

#include "glob/GlobModul.h"
#include "rdb/KategorienTabelle.h"
#include "support/SkriptZufall.h"
#include "support/TempHost.h"
#include "vokradb/DatenbankBau.h"

#include <QList>

#include <gtest/gtest.h>

// A host folder with Vokra-D.mdb built from word-file lines and a Vokra.kmp.
class RdbTestHost : public TempHost {
  public:
    void woerter(const QStringList& zeilen) const {
        QList<zafku::material::QuellFehler> fehler;
        const auto eintraege =
            zafku::material::parseWortDatei(zeilen.join(u'\n'), QStringLiteral("t.txt"), fehler);
        fehler += zafku::material::baueDatenbank(zafku::kategorienTabelle(), eintraege,
                                                 file(QStringLiteral("Vokra-D.mdb")));
        ASSERT_TRUE(fehler.isEmpty()) << qPrintable(fehler.first().toString());
    }
    void kmp(const QStringList& bloecke) const {
        writeHostFile(QStringLiteral("Vokra.kmp"), bloecke);
    }
};

// Reproducible uniform draws for comparing two managers.
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
