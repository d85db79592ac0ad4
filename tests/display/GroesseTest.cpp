#include "dialogs/Groesse.h"
#include "TestSpiel.h"
#include "dialogs/EndeFrm.h"
#include "dialogs/LoesTippFrm.h"
#include "dialogs/Skalierung.h"
#include "dialogs/Twips.h"
#include "display/CompZugFrm.h"
#include "display/InfoFrm.h"
#include "display/ZafkuBackFrm.h"
#include "settings/EinstellFrm.h"
#include "support/Bildvergleich.h"

#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

using namespace zafku;

// At twice the size no text is cut, in any window: each picture was looked at when stored.
// At fifteen times the size a twip is a pixel: every control sits where it is designed.
TEST(Groesse, EveryWindowAtTwiceTheSizeAndToTheTwip) {
    for (const double faktor : {2, 15}) {
        wechsleMassstab(faktor);
        SpielMitAttrappen s;
        s.fenster.lade();
        s.fenster.zeigeAufgabe("die", "B    ne", "Die B__ne summt.", {"ie", "i"});
        s.mld.bereiteVor("Leider falsch!\rVersuche es noch einmal.", "&OK", "", "Fehler");
        EndeFrm ende(nullptr, {});
        LoesTippFrm tipp;
        tipp.setzeTipp("Sprichst du das i lang, schreibst du meistens ie.");
        InfoFrm ueber;
        ueber.relLbl->setText("4.0.0"); // the pictures outlive releases
        ZafkuBackFrm hintergrund;
        EinstellFrm einstellungen(s.daten, s.fenster.ablauf().einstellungen, nullptr, &s.fenster);
        for (QWidget* w : std::initializer_list<QWidget*>{
                 &s.fenster, &s.mld, &s.info, s.fenster.compZugFrm, &ende, &tipp, &s.meister,
                 &ueber, &einstellungen, &hintergrund}) {
            const QString name = QString(w->metaObject()->className()).section(':', -1);
            EXPECT_TRUE(faktor == 2 ? siehtAusWie(*w, "doppelt-" + name)
                                    : liegtWie(*w, "lage-" + name));
        }
    }
    wechsleMassstab(1);
}

TEST(GroessenTasten, StepWithinTheScreenAndAreRemembered) {
    EigeneEinstellungen einstellungen;
    SpielMitAttrappen spiel;
    MainFrm& fenster = spiel.fenster;
    fenster.lade();
    fenster.show();
    fenster.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&fenster));
    const QRect platz = fenster.screen()->availableGeometry();
    fenster.setzeGroesse(1.2, false);
    const QPoint mitte = fenster.frameGeometry().center();
    QTest::keyClick(&fenster, Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_LE((fenster.frameGeometry().center() - mitte).manhattanLength(), 1) << "its centre";
    EXPECT_EQ(massstab(), 1);
    EXPECT_EQ(gewaehlteGroesse(), 1);
    fenster.move(platz.topLeft()); // growing from the corner, too
    for (int i = 0; i < 8; ++i)
        QTest::keyClick(&fenster, Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_TRUE(platz.contains(fenster.frameGeometry())) << "the window stays on its screen";
    EXPECT_EQ(gewaehlteGroesse(), massstab());
    QTest::keyClick(&fenster, Qt::Key_0, Qt::ControlModifier);
    EXPECT_EQ(gewaehlteGroesse(), 0) << "the game picks the size again";
    EXPECT_GT(massstab(), 1) << "on this screen a larger window fits";
    EXPECT_TRUE(platz.contains(fenster.frameGeometry()));
    wechsleMassstab(1);
}

TEST(Groesse, AWindowGrowsWithTheScreenOrTheChosenSizeButNotBeyondTheScreen) {
    const QSize start(920, 620);
    const std::tuple<QSize, double, double> faelle[] = {
        {{3840, 2160}, 0, 2.09},  {{1920, 1080}, 0, 1.04},   {{800, 600}, 0, 1.0},
        {{3840, 2160}, 1.5, 1.5}, {{1920, 1080}, 3.0, 1.74},
    };
    for (const auto& [platz, gewaehlt, erwartet] : faelle)
        EXPECT_DOUBLE_EQ(fensterMassstab(start, platz, gewaehlt, 0.6), erwartet)
            << platz.width() << " " << gewaehlt;
}
