#pragma once

#include "rdb/KategorienTabelle.h"
#include "support/TestZufall.h"
#include "support/TempHost.h"
#include "vokradb/DatenbankBau.h"

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
