// The size change that every window goes through.

#include "dialogs/Skalierung.h"
#include "dialogs/Twips.h"

#include <QDialog>
#include <QLabel>

#include <gtest/gtest.h>

using namespace zafku;

// Through many sizes and back, every control ends where it was designed.
TEST(DialogBilder, SizeChangesGatherNoRounding) {
    QDialog dialog;
    dialog.setFixedSize(301, 203);
    QLabel text(&dialog);
    text.setGeometry(7, 13, 33, 17);
    for (double faktor : {1.15, 1.35, 1.55, 1.75, 2.0, 1.25, 1.45, 1.0}) {
        wechsleMassstab(faktor);
        EXPECT_EQ(text.geometry(), QRect(std::lround(7 * faktor), std::lround(13 * faktor),
                                         std::lround(33 * faktor), std::lround(17 * faktor)))
            << faktor;
        EXPECT_EQ(dialog.minimumSize(), QSize(std::lround(301 * faktor), std::lround(203 * faktor)))
            << faktor;
    }
}
