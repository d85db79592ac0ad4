// How the game looks as a turn goes by, against its stored pictures in bilder/.

#include "TestSpiel.h"

#include "dialogs/Groesse.h"
#include "dialogs/Skalierung.h"
#include "dialogs/Twips.h"
#include "display/CompZugFrm.h"
#include "display/InfoFrm.h"
#include "display/KartenSlot.h"
#include "display/LampenBild.h"
#include "display/LautsprecherKnopf.h"
#include "game/Karte.h"
#include "support/Bildvergleich.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>

using namespace zafku;

namespace {

// The game's timers stand still in its windows: a slow machine draws the same pictures.
struct StehendeUhren : QObject {
    explicit StehendeUhren(QObject* spiel) : spiel(spiel) { qApp->installEventFilter(this); }
    bool eventFilter(QObject* o, QEvent* e) override {
        for (QObject* p = o; e->type() == QEvent::Timer && p; p = p->parent())
            if (p == spiel)
                return true;
        return false;
    }
    QObject* spiel;
};

struct Aussehen : ::testing::Test, EigeneEinstellungen, Attrappen, AufnehmendeSprache, TestSpiel {
    Aussehen() : TestSpiel(hilfe, audio, uhr, {"[Zafku]", "RatezeitBegrenzen=1"}, this) {}
    StehendeUhren uhren{&fenster};
};

} // namespace

TEST_F(Aussehen, TheGameAsATurnGoesBy) {
    fenster.lade();
    ModalBeantworter beantworter;
    uhr.sekunden += 4; // the needle has moved on
    EXPECT_TRUE(siehtAusWie(fenster, "spiel"));
    fenster.ablauf().checkBstWahl(1); // Anna: "ss" marks a field of her card
    EXPECT_TRUE(siehtAusWie(fenster, "spiel-richtig"));
    fenster.ablauf().checkBstWahl(0); // Tim: "i" lights the error lamp
    EXPECT_TRUE(siehtAusWie(fenster, "spiel-falsch"));
    const QStringList bilder = {"tipp", "einstellungen", "meisterliste", "datei-info"};
    const qsizetype vorher = beantworter.titel.size();
    beantworter.eigene = [&](QWidget* w) {
        EXPECT_TRUE(siehtAusWie(*w, bilder.value(beantworter.titel.size() - 1 - vorher)));
        return false;
    };
    liste.pruefeEintrag({"Anna", MeisterListe::programm(), "05.12.2026", 40});
    liste.pruefeEintrag({"Tim", MeisterListe::programm(), "06.12.2026", 75});
    fenster.loesTippBtn->click();
    fenster.menue.at("mnuBearbEinstell")->trigger();
    fenster.menue.at("mnuDateiMeisterliste")->trigger();
    fenster.menue.at("mnuDateiInfo")->trigger();
    EXPECT_EQ(beantworter.titel.mid(vorher).join('|'),
              "Lösungstipp|Einstellungen|Meisterliste| Datei-Info");
    fenster.compZugFrm->show();
    EXPECT_TRUE(siehtAusWie(*fenster.compZugFrm, "computer"));
    // At the largest size, with the longest task line of the demo material: the speaker
    // buttons cover nothing, the word's one only the line's empty end.
    fenster.zeigeAufgabe("Umstandswort", "vi    leicht", "Der Satz.", {});
    fenster.setzeGroesse(groessenStufen().back(), false);
    EXPECT_TRUE(siehtAusWie(fenster, "spiel-gross"));
    wechsleMassstab(1);
}

TEST_F(Aussehen, FourPlayersFourColoursLightAndStrong) {
    daten.nSpieler = 4;
    daten.spielerName = {"Anna", "Tim", "Ida", "Ole"};
    fenster.lade();
    for (int spieler = 0; spieler < 4; ++spieler)
        fenster.ablauf().karte[spieler][spieler + 1] = kMarkiert;
    fenster.ablauf().zeigeKarten();
    EXPECT_TRUE(siehtAusWie(fenster, "vier-spieler"));
}

TEST_F(Aussehen, ALongNameShrinksThenIsShortenedAndKeptWholeAsTip) {
    const QString lang = "Maximiliane-Josefine Alexandra von Hohenzollern-Sigmaringen";
    const std::array<Farbe, 25> leer{};
    fenster.lade();
    fenster.zeigeSlot(0, 0, lang, leer);
    fenster.zeigeSlot(1, 0, "Maximiliane-Josefine", leer);
    EXPECT_TRUE(fenster.spNameLbl->toolTip().contains(lang));
    EXPECT_TRUE(siehtAusWie(fenster, "lange-namen"));
    fenster.zeigeSlot(0, 0, "Tim", leer);
    EXPECT_EQ(fenster.spNameLbl->toolTip(), "");
    EXPECT_TRUE(siehtAusWie(fenster, "name-wieder-kurz"));
}

// "Copyright:" keeps its gap; at other sizes in GroesseTest.
TEST(Bilder, AboutBoxAndEveryCardWithAMarkedField) {
    InfoFrm ueber;
    EXPECT_TRUE(QRegularExpression("^4\\.\\d+\\.\\d+$").match(ueber.relLbl->text()).hasMatch());
    ueber.relLbl->setText("4.0.0"); // the picture outlives releases
    EXPECT_EQ(ueber.windowTitle(), "Info über ...");
    EXPECT_TRUE(siehtAusWie(ueber, "info-ueber"));
    ueber.findChild<QPushButton*>()->click();
    EXPECT_FALSE(ueber.isVisible()) << "OK closes it";
    QWidget karten;
    for (int index = 0; index < 5; ++index)
        for (const KartenSlot::Geometrie* g : {&KartenSlot::gross, &KartenSlot::klein}) {
            auto* slot = new KartenSlot(*g, &karten);
            const int seite = twips(g->bildGroesse);
            slot->setGeometry(index * 170, g == &KartenSlot::gross ? 0 : 170, seite, seite);
            slot->setzeBild(index);
            slot->faerbeFeld(index * 6 + 1, Farbe{200, 40, 120}); // Z1, A2, F3, K4, U5
        }
    // The speaker button as usual, greyed in the computer's turn, pressed, under the mouse.
    for (int i = 0; i < 4; ++i) {
        auto* knopf = new LautsprecherKnopf(&karten);
        knopf->setGeometry(3 * 170 + i * 40, 252, 36, 36);
        knopf->setEnabled(i != 1);
        knopf->setDown(i == 2);
        knopf->setAttribute(Qt::WA_UnderMouse, i == 3);
    }
    auto* lampe = new QLabel(&karten); // the yellow lamp of a Zafku
    lampe->setPixmap(lampenBild(LampenFarbe::Gelb, {26, 26}));
    lampe->setGeometry(3 * 170 + 166, 257, 26, 26);
    karten.resize(5 * 170, 290);
    EXPECT_TRUE(siehtAusWie(karten, "karten"));
}
