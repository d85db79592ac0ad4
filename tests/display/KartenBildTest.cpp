#include "display/KartenBild.h"
#include "display/KartenSlot.h"
#include "display/TextBreite.h"

#include <gtest/gtest.h>

using namespace zafku;

namespace {

// Horizontal centre of the ink of a letter drawn in the given strip of the picture.
double tintenMitte(const QImage& bild, QRect streifen, bool waagrecht) {
    const QColor hintergrund = bild.pixelColor(streifen.center().x(), streifen.top() + 1);
    double summe = 0;
    int anzahl = 0;
    for (int y = streifen.top(); y <= streifen.bottom(); ++y)
        for (int x = streifen.left(); x <= streifen.right(); ++x) {
            const QColor c = bild.pixelColor(x, y);
            if (std::abs(c.red() - hintergrund.red()) + std::abs(c.green() - hintergrund.green()) +
                    std::abs(c.blue() - hintergrund.blue()) >
                120) {
                summe += waagrecht ? x : y;
                ++anzahl;
            }
        }
    return anzahl ? summe / anzahl : -1;
}

} // namespace

TEST(KartenBild, LettersAndDigitsLineUpWithTheFieldSquaresAtBothSizes) {
    for (const KartenRaster& r :
         {KartenSlot::raster(KartenSlot::gross), KartenSlot::raster(KartenSlot::klein)}) {
        const double toleranz = r.groesse / 60.0;
        for (int index = 0; index < 5; ++index) {
            const QImage bild = kartenBild(index, r);
            ASSERT_EQ(bild.size(), QSize(r.groesse, r.groesse));
            EXPECT_EQ(bild.pixelColor(0, 0).alpha(), 0) << "corners stay transparent";
            EXPECT_EQ(bild.pixelColor(r.groesse / 2, r.groesse / 2).alpha(), 255);
            for (int i = 0; i < 5; ++i) {
                const QRect kopf(r.spalten[i], 1, r.feld, r.zeilen[0] - 3);
                const QRect rand(2, r.zeilen[i], r.spalten[0] - 5, r.feld);
                EXPECT_NEAR(tintenMitte(bild, kopf, true), r.spalten[i] + r.feld / 2.0, toleranz)
                    << "letter " << i << " of card " << index << " at " << r.groesse;
                EXPECT_NEAR(tintenMitte(bild, rand, false), r.zeilen[i] + r.feld / 2.0, toleranz)
                    << "digit " << i << " of card " << index << " at " << r.groesse;
            }
        }
    }
}

TEST(TextBreite, MeasuresOnlyThePartAndGrowsWithTheFont) {
    EXPECT_EQ(textBreite("Haus", 2, 3, false), textBreite("au", 1, 2, false));
    EXPECT_GT(textBreite("Haus", 2, 3, true), textBreite("Haus", 2, 3, false));
    EXPECT_GT(textBreite("Haus", 1, 4, false), textBreite("Haus", 2, 3, false));
    EXPECT_EQ(textBreite("Haus", 1, 0, true), 0);
}
