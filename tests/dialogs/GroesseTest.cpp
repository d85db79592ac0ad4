#include "dialogs/Groesse.h"

#include <gtest/gtest.h>

using namespace zafku;

TEST(Groesse, TheStartSizeFillsItsShareOfTheScreenAndNeverShrinks) {
    const QSize fenster(640, 466);
    const struct {
        QSize platz;
        double anteil, faktor;
    } faelle[] = {
        {{1920, 1080}, 0.85, 1.96}, // height decides
        {{3840, 2160}, 0.85, 3.93}, {{1920, 1080}, 1.0, 2.31},
        {{1000, 2000}, 0.85, 1.32}, // width decides
        {{700, 500}, 0.85, 1.0},    // too small: the designed size
        {{0, 0}, 0.85, 1.0},
    };
    for (const auto& f : faelle) {
        const double faktor = passenderMassstab(fenster, f.platz, f.anteil);
        EXPECT_DOUBLE_EQ(faktor, f.faktor) << f.platz.width() << "x" << f.platz.height();
        if (faktor > 1) {
            EXPECT_LE(fenster.height() * faktor, f.anteil * f.platz.height());
        }
    }
}

TEST(Groesse, KeysStepToTheNeighbouringSizeWithinTheLimit) {
    const struct {
        double faktor;
        int richtung;
        double hoechster, erwartet;
    } faelle[] = {
        {1.0, 1, 3.0, 1.25}, {1.96, 1, 3.0, 2.0}, {1.96, -1, 3.0, 1.75}, {2.0, 1, 2.4, 2.0},
        {1.0, -1, 3.0, 1.0}, {3.0, 1, 9.0, 3.0},  {2.5, -1, 3.0, 2.0},   {1.25, 1, 1.5, 1.5},
    };
    for (const auto& f : faelle)
        EXPECT_DOUBLE_EQ(naechsteStufe(f.faktor, f.richtung, f.hoechster), f.erwartet)
            << f.faktor << " " << f.richtung;
}
