// How the message windows look, against their stored pictures in bilder/.

#include "dialogs/DialogBild.h"
#include "dialogs/EndeFrm.h"
#include "dialogs/MldFenster.h"
#include "dialogs/Skalierung.h"
#include "support/Bildvergleich.h"

using namespace zafku;

TEST(Aussehen, MessageWindowsAndTheirPictures) {
    MldFenster mld;
    mld.bereiteVor("Richtig!\rDas Wort heißt Biene.", "&OK", "", "Zafku");
    EXPECT_TRUE(siehtAusWie(mld, "meldung"));
    // Too wide for the screen: a path wraps whole, a huge name or text is cut in the middle.
    mld.bereiteVor("Die Datei /" + QString(300, u'x') + "/Vokra.ini fehlt.", "&OK", "", "Fehler");
    EXPECT_TRUE(siehtAusWie(mld, "meldung-umbrochen"));
    mld.bereiteVor("Die Datei " + QString(100000, u'A') + ".tmp fehlt.", "&OK", "", "Fehler");
    EXPECT_TRUE(siehtAusWie(mld, "meldung-langer-name"));
    mld.bereiteVor("Die Datei " + QString("Anna ").repeated(20000) + "fehlt.", "&Ja", "&Nein", "");
    EXPECT_TRUE(siehtAusWie(mld, "meldung-gekuerzt"));
    EndeFrm ende;
    ende.setzeMeldung("Wollt ihr das Spiel wirklich beenden?");
    EXPECT_TRUE(siehtAusWie(ende, "ende"));

    // Grown, the picture is drawn anew; through many sizes and back, all is where it was.
    wechsleMassstab(1.55);
    EXPECT_TRUE(siehtAusWie(ende, "ende-gross"));
    for (double faktor : {1.15, 1.35, 1.05, 2.0, 1.25, 1.45, 1.0})
        wechsleMassstab(faktor);
    EXPECT_TRUE(siehtAusWie(ende, "ende"));
    // On a screen with two device pixels to a pixel the picture keeps its size, twice as sharp.
    EXPECT_EQ(zeichneDialogBild(DialogBild::Sprechblase, 45, 2).deviceIndependentSize(),
              QSizeF(45, 45));
}
