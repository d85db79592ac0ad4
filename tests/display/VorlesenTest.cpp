// What the game reads aloud: to a recording stand-in, and heard on a real audio server.

#include "PulseAufnahme.h"
#include "TestSpiel.h"

#include "dialogs/ModalAntwort.h"
#include "display/LautsprecherKnopf.h"
#include "speech/EspeakSprache.h"

#include <QAction>
#include <QListWidget>
#include <QPushButton>

#include <gtest/gtest.h>

using namespace zafku;

namespace {

// A cue that still sounds for klingt milliseconds.
struct Klang : test::TestAudio {
    qint64 restMs() const override { return klingt; }
    qint64 klingt = 0;
};

struct VorleseSpiel : EigeneEinstellungen, Attrappen, AufnehmendeSprache, Klang, TestSpiel {
    explicit VorleseSpiel(const QStringList& ini = {"[Zafku]", "TonEinschalten=0"})
        : TestSpiel(hilfe, *this, uhr, ini, this) {}
    // As the platform delivers a double click: press, release, double click, release.
    void doppelklick(int zeile) {
        QListWidget* liste = fenster.wLueckGrLst;
        const QPoint ort = liste->visualItemRect(liste->item(zeile)).center();
        QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, ort);
        QTest::mouseDClick(liste->viewport(), Qt::LeftButton, {}, ort);
        QTest::mouseRelease(liste->viewport(), Qt::LeftButton, {}, ort);
    }
};

} // namespace

// A word with a reviewed pronunciation is handed over as its phonemes.
TEST(Vorlesen, F5TheSpeakerButtonsAndTheTipAreReadWhateverTheCues) {
    for (const auto& [ton, wort] :
         {std::pair{"TonEinschalten=0", "[[fl'Us]]"}, std::pair{"TonEinschalten=1", "Fluss"}}) {
        VorleseSpiel spiel({"[Zafku]", ton});
        if (QString(wort).startsWith("[["))
            spiel.quelle.folge.front().aufgabe.aktAussprache = wort;
        spiel.fenster.lade();
        spiel.fenster.show();
        for (auto* k : {spiel.fenster.wortSprecher, spiel.fenster.satzSprecher}) // on top
            EXPECT_EQ(spiel.fenster.childAt(k->mapTo(&spiel.fenster, k->rect().center())), k);
        QTest::keyClick(spiel.fenster.wLueckGrLst, Qt::Key_F5);
        QTest::mouseClick(spiel.fenster.wortSprecher, Qt::LeftButton);
        QTest::mouseClick(spiel.fenster.satzSprecher, Qt::LeftButton);
        beiModalemDialog([](QDialog* tipp) { tipp->accept(); });
        spiel.fenster.loesTippBtn->click();
        const QString satz = QStringLiteral("Der %1 ist breit.").arg(wort);
        EXPECT_EQ(spiel.gesagt, QStringList({wort + QStringLiteral(" | ") + satz, wort, satz,
                                             "Lang: ie, kurz: i."}))
            << ton;
        EXPECT_EQ(spiel.fenster.focusWidget(), spiel.fenster.einsetzenBtn) << "Enter inserts";
    }
}

// Chosen from the speaker's menu and kept; not F5 or a button in the computer's move either.
TEST(Vorlesen, NewTasksAreReadOnceChosenButNotInTheComputersTurn) {
    VorleseSpiel spiel({"[Zafku]", "GegenComputer=1", "ComputerSpielStärke=0"});
    spiel.daten.nSpieler = 1;
    spiel.daten.spielerName = {"Anna"};
    spiel.quelle.folge.push_back({test::aufgabe(7, "Katze", 3, 2, 1, "Die @ schläft."), "tz,z"});
    spiel.fenster.lade();
    spiel.fenster.show();
    QCoreApplication::processEvents();
    ASSERT_TRUE(spiel.fenster.satzSprecher->actions().contains(spiel.fenster.vorlesenAktion));
    EXPECT_EQ(spiel.fenster.satzSprecher->toolTip(), "Satz vorlesen (F5)");
    spiel.fenster.vorlesenAktion->trigger();
    QTimer::singleShot(300, &spiel.fenster, [&] {
        QTest::keyClick(&spiel.fenster, Qt::Key_F5);
        QTest::mouseClick(spiel.fenster.wortSprecher, Qt::LeftButton);
    });
    spiel.doppelklick(1); // ss
    QCoreApplication::processEvents();
    EXPECT_EQ(spiel.gesagt, QStringList({"Katze | Die Katze schläft."}));
    TestSpiel naechstes(spiel.hilfe, spiel.audio, spiel.uhr, {"[Zafku]"}, &spiel);
    EXPECT_TRUE(naechstes.fenster.vorlesenAktion->isChecked());
}

TEST(Vorlesen, ANewTaskWaitsForTheCue) {
    VorleseSpiel spiel;
    spiel.klingt = 60000;
    spiel.fenster.vorlesenAktion->trigger();
    spiel.fenster.lade();
    spiel.fenster.show();
    spiel.doppelklick(1); // ss
    QCoreApplication::processEvents();
    EXPECT_EQ(spiel.gesagt, QStringList());
}

TEST(VorlesenTon, F5AndEachSpeakerButtonAreHeardWithTheCuesOff) {
    PulseAufnahme& aufnahme = pulseAufnahme();
    ASSERT_TRUE(aufnahme.bereit()) << "pulseaudio or parec is missing or failed (scripts/deps.sh)";
    EspeakSprache sprache;
    Attrappen a;
    TestSpiel spiel(a.hilfe, a.audio, a.uhr, {"[Zafku]", "TonEinschalten=0"}, &sprache);
    spiel.fenster.lade();
    const auto gehoertMs = [&](const std::function<void()>& tue) {
        tue();
        pauseOhneEingabe(3000);
        return lauteMs(aufnahme.seitLetztem());
    };
    EXPECT_GE(gehoertMs([&] { QTest::keyClick(spiel.fenster.wLueckGrLst, Qt::Key_F5); }), 1000);
    EXPECT_GE(gehoertMs([&] { spiel.fenster.wortSprecher->click(); }), 250);
    EXPECT_GE(gehoertMs([&] { spiel.fenster.satzSprecher->click(); }), 650);
}
