// What the game reads aloud, through a recording stand-in for the speech output, and
// speech heard on a real audio server while the cues are switched off.

#include "PulseAufnahme.h"
#include "TestSpiel.h"

#include "dialogs/Groesse.h"
#include "dialogs/ModalAntwort.h"
#include "dialogs/Skalierung.h"
#include "display/LautsprecherKnopf.h"
#include "help/HilfeBrowser.h"
#include "platform/Clock.h"
#include "platform/Sprachausgabe.h"
#include "sound/QtAudioOutput.h"
#include "speech/EspeakSprache.h"
#include "speech/Vorleser.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>

#include <gtest/gtest.h>

using namespace zafku;

namespace {

// Notes each request to speak (texts joined by " | ") and whether the computer had the
// turn at that moment.
struct AufnehmendeSprache : Sprachausgabe {
    void sprich(const QStringList& texte) override {
        gesagt.append(texte.join(" | "));
        imComputerZug += computerAmZug && computerAmZug();
    }
    void verstumme() override {}
    QStringList gesagt;
    int imComputerZug = 0;
    std::function<bool()> computerAmZug;
};

// The user settings of one test alone.
struct EigeneEinstellungen {
    EigeneEinstellungen() {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, ordner.path());
    }
    QTemporaryDir ordner;
};

struct MitSprache {
    AufnehmendeSprache sprache;
};

struct VorleseSpiel : EigeneEinstellungen, Attrappen, MitSprache, TestSpiel {
    explicit VorleseSpiel(const QStringList& ini = {"[Zafku]", "TonEinschalten=0"})
        : TestSpiel(hilfe, audio, uhr, ini, &sprache) {}
    // Double-clicks the spelling, as a child does to insert it.
    void doppelklick(const QString& schreibung) {
        QListWidget* liste = fenster.wLueckGrLst;
        const auto treffer = liste->findItems(schreibung, Qt::MatchExactly);
        ASSERT_EQ(treffer.size(), 1);
        // As the platform delivers it: press, release, double click, release.
        const QPoint ort = liste->visualItemRect(treffer[0]).center();
        QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, ort);
        QTest::mouseDClick(liste->viewport(), Qt::LeftButton, {}, ort);
        QTest::mouseRelease(liste->viewport(), Qt::LeftButton, {}, ort);
    }
};

class VorlesenAufWunsch : public ::testing::TestWithParam<const char*> {};

} // namespace

// The cues' switch leaves speech alone.
TEST_P(VorlesenAufWunsch, F5TheSpeakerButtonsAndTheTipAreRead) {
    VorleseSpiel spiel({"[Zafku]", GetParam()});
    spiel.fenster.lade();
    spiel.fenster.show();
    QTest::keyClick(spiel.fenster.wLueckGrLst, Qt::Key_F5);
    QTest::mouseClick(spiel.fenster.wortSprecher, Qt::LeftButton);
    QTest::mouseClick(spiel.fenster.satzSprecher, Qt::LeftButton);
    beiModalemDialog([](QDialog* tipp) { tipp->accept(); });
    spiel.fenster.loesTippBtn->click();
    EXPECT_EQ(spiel.sprache.gesagt, QStringList({"Fluss | Der Fluss ist breit.", "Fluss",
                                                 "Der Fluss ist breit.", "Tipp"}));
    EXPECT_EQ(spiel.fenster.focusWidget(), spiel.fenster.einsetzenBtn) << "Enter still inserts";
}

INSTANTIATE_TEST_SUITE_P(Ton, VorlesenAufWunsch,
                         ::testing::Values("TonEinschalten=0", "TonEinschalten=1"));

// Off unless chosen; chosen from the speaker button's menu, it reads each new task and is
// remembered for the next game. A double click inserts the spelling.
TEST(Vorlesen, NewTasksAreReadOnceChosenAndTheChoiceIsKept) {
    VorleseSpiel spiel;
    spiel.fenster.lade();
    spiel.fenster.show();
    QCoreApplication::processEvents();
    EXPECT_EQ(spiel.sprache.gesagt, QStringList());
    ASSERT_TRUE(spiel.fenster.satzSprecher->actions().contains(spiel.fenster.vorlesenAktion));
    spiel.fenster.vorlesenAktion->trigger();
    spiel.doppelklick("ss");
    EXPECT_EQ(spiel.fenster.lueckWortLbl->text(), "B    ne") << "the double click inserted";
    QCoreApplication::processEvents();
    EXPECT_EQ(spiel.sprache.gesagt, QStringList({"Biene"}));

    TestSpiel naechstes(spiel.hilfe, spiel.audio, spiel.uhr, {"[Zafku]"}, &spiel.sprache);
    EXPECT_TRUE(naechstes.fenster.vorlesenAktion->isChecked());
    naechstes.fenster.lade();
    QCoreApplication::processEvents();
    EXPECT_EQ(spiel.sprache.gesagt.value(1), "Fluss | Der Fluss ist breit.");
}

// Neither the new task the computer gets nor F5 or a button during its move is read; the
// task the child gets after it is.
TEST(Vorlesen, NothingIsReadWhileTheComputerHasTheTurn) {
    VorleseSpiel spiel({"[Zafku]", "TonEinschalten=0", "GegenComputer=1", "ComputerSpielStärke=0"});
    spiel.daten.nSpieler = 1;
    spiel.daten.spielerName = {"Anna"};
    spiel.quelle.folge.push_back({test::aufgabe(7, "Katze", 3, 2, 1, "Die @ schläft."), "tz,z"});
    spiel.sprache.computerAmZug = [&] { return spiel.fenster.ablauf().computerAmZug; };
    spiel.fenster.vorlesenAktion->setChecked(true);
    spiel.fenster.lade();
    spiel.fenster.show();
    QCoreApplication::processEvents();
    QTimer::singleShot(300, &spiel.fenster, [&] {
        QTest::keyClick(&spiel.fenster, Qt::Key_F5);
        QTest::mouseClick(spiel.fenster.wortSprecher, Qt::LeftButton);
    });
    spiel.doppelklick("ss");
    QCoreApplication::processEvents();
    EXPECT_EQ(spiel.sprache.gesagt,
              QStringList({"Fluss | Der Fluss ist breit.", "Katze | Die Katze schläft."}));
    EXPECT_EQ(spiel.sprache.imComputerZug, 0);
}

// At every size the buttons grow with the game, stay inside their frames and cover no text.
TEST(Vorlesen, SpeakerButtonsGrowWithTheGameAndCoverNoText) {
    VorleseSpiel spiel;
    spiel.fenster.lade();
    const QLabel* wort = spiel.fenster.lueckWortLbl;
    for (const double faktor : groessenStufen()) {
        spiel.fenster.setzeGroesse(faktor, false);
        const QRect wortText(wort->pos(), QSize(wort->fontMetrics().horizontalAdvance(wort->text()),
                                                wort->height()));
        for (auto [knopf, text] :
             {std::pair<QWidget*, QRect>{spiel.fenster.wortSprecher, wortText},
              {spiel.fenster.satzSprecher, spiel.fenster.lueckSatzLbl->geometry()}}) {
            EXPECT_GE(knopf->width(), 32 * faktor - 1) << faktor;
            EXPECT_EQ(knopf->height(), knopf->width());
            EXPECT_TRUE(knopf->parentWidget()->rect().contains(knopf->geometry())) << faktor;
            EXPECT_FALSE(knopf->geometry().intersects(text)) << faktor;
        }
    }
    wechsleMassstab(1);
}

// With the cues off, F5 and each speaker button are heard on a real audio server.
TEST(VorlesenTon, F5AndEachSpeakerButtonAreHeardWithTheCuesOff) {
    EigeneEinstellungen einstellungen;
    PulseAufnahme& aufnahme = pulseAufnahme();
    ASSERT_TRUE(aufnahme.bereit()) << "pulseaudio or parec is missing or failed (scripts/deps.sh)";
    EspeakSprache sprache;
    QtAudioOutput audio;
    SystemClock uhr;
    HilfeBrowser hilfe;
    TestSpiel spiel(hilfe, audio, uhr, {"[Zafku]", "TonEinschalten=0"}, &sprache);
    spiel.fenster.lade();
    spiel.fenster.show();
    const struct {
        const char* was;
        std::function<void()> tue;
        int mindestensMs;
    } faelle[] = {
        {"F5", [&] { QTest::keyClick(spiel.fenster.wLueckGrLst, Qt::Key_F5); }, 1000},
        {"word", [&] { spiel.fenster.wortSprecher->click(); }, 250},
        {"sentence", [&] { spiel.fenster.satzSprecher->click(); }, 650},
    };
    for (const auto& fall : faelle) {
        fall.tue();
        pauseOhneEingabe(3000);
        EXPECT_GE(lauteMs(aufnahme.seitLetztem()), fall.mindestensMs) << fall.was;
    }
}
