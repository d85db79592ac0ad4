#include "starter/StartFrm.h"
#include "bericht/BerichtNamen.h"
#include "dialogs/Groesse.h"
#include "dialogs/ModalAntwort.h"
#include "starter/KlasseFrm.h"
#include "starter/StartWahl.h"
#include "support/Bildvergleich.h"
#include "support/TempHost.h"
#include "support/VollePlatte.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

using namespace zafku;
using namespace zafku::starter;

namespace {

// A host folder whose "game" writes the launch block it got to block.txt.
struct StartFrmTest : ::testing::Test, EigeneEinstellungen {
    void SetUp() override {
        host_.writeHostFile("Vokra.tsp",
                            {"\">>> Lange und kurze Selbstlaute\",\">>>1\"",
                             "\"Langes i wird meistens ie geschrieben (Biene, Wiese)\",LIE_",
                             "\"Kurzes i (Kind)\",LIKU", "\">>> ck und tz\",\">>>3\"",
                             "\"ck nach kurzem Selbstlaut\",CK__"});
        programm("zafku", "#!/bin/sh\nprintf '%s|%s' \"$1\" \"$#\" > block.txt\n");
    }

    void programm(const char* name, const char* skript) {
        host_.writeBytes(name, skript);
        QFile(host_.file(name)).setPermissions(QFile::ReadOwner | QFile::ExeOwner);
    }

    static void warteBis(const std::function<bool()>& fertig) {
        for (QDeadlineTimer frist(5000); !fertig() && !frist.hasExpired();)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }

    QString gestartet() const {
        warteBis([this] { return !host_.readBytes("block.txt").isEmpty(); });
        return QString::fromUtf8(host_.readBytes("block.txt"));
    }

    // Types like a keyboard, umlauts included.
    static void tippe(QLineEdit* feld, const QString& text) {
        for (const QChar c : text) {
            QKeyEvent druck(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(feld, &druck);
        }
    }

    static void klicke(StartFrm& fenster, std::initializer_list<const char*> knoepfe) {
        for (const char* knopf : knoepfe)
            fenster.findChild<QPushButton*>(knopf)->click();
    }

    static QLineEdit* feld(StartFrm& fenster, const QString& name) {
        return fenster.findChild<QLineEdit*>(name);
    }

    TempHost host_;
};

} // namespace

TEST_F(StartFrmTest, TypedChoiceStartsTheGameWithABlockItAccepts) {
    StartFrm fenster(host_.path());
    fenster.liste()->setCurrentItem(fenster.liste()->topLevelItem(0)->child(1));
    tippe(feld(fenster, "filter"), "i");
    EXPECT_EQ(fenster.gewaehlterCode(), "LIKU") << "still to be seen, it stays chosen";
    feld(fenster, "filter")->clear();
    tippe(feld(fenster, "filter"), "langes i");
    EXPECT_EQ(fenster.gewaehlterCode(), "LIE_");
    EXPECT_TRUE(fenster.liste()->topLevelItem(1)->isHidden()); // the ck group

    fenster.findChild<QSpinBox*>()->setValue(2);
    tippe(feld(fenster, "name0"), "Anna Sommer");
    tippe(feld(fenster, "name1"), "Jörg");
    EXPECT_EQ(feld(fenster, "datei0")->text(), "anna_sommer");
    EXPECT_EQ(feld(fenster, "datei1")->text(), "joerg");
    tippe(feld(fenster, "datei1"), "2 Ö/.A"); // by hand: only a–z, digits and _ take

    // The explanation opens the help page of the chosen exercise, not the index.
    host_.writeBytes("Vesk/1001.html", "<p>Langes i</p>");
    klicke(fenster, {"erklaerung"});
    EXPECT_EQ(fenster.hilfe().fenster(host_.file("Vesk.chm"))->source().fileName(), "1001.html");
    // The size goes to the game through its remembered setting.
    auto* groesse = fenster.findChild<QComboBox*>("groesse");
    groesse->setCurrentIndex(groesse->count() - 1);

    ASSERT_TRUE(fenster.spielStarten());
    EXPECT_EQ(gewaehlteGroesse(), groessenStufen().back());
    // As one argument; that the game reads such a block as chosen is shown on its own.
    EXPECT_EQ(gestartet(),
              startBlock("LIE_", {{"Anna Sommer", "anna_sommer"}, {"Jörg", "joerg2"}}) + "|1");
    EXPECT_EQ(bericht::gespeicherteNamen().value("joerg2"), "Jörg") << "for the report";

    StartFrm wieder(host_.path());
    EXPECT_EQ(wieder.gewaehlterCode(), "LIE_");
    tippe(feld(wieder, "name1"), "en"); // "Jörgen" keeps the file typed by hand
    EXPECT_EQ(wieder.spieler().value(1).datei, "joerg2");
    EXPECT_EQ(wieder.spieler().value(0).name, "Anna Sommer");
    EXPECT_EQ(wieder.findChild<QComboBox*>("groesse")->currentData(), groessenStufen().back());
}

// E.g. a script without its interpreter; QProcess would say "execve: No such file ...".
TEST_F(StartFrmTest, AGameThatCannotRunIsReportedInGerman) {
    programm("zafku", "#!/gibt/es/nicht\n");
    StartFrm fenster(host_.path());
    tippe(feld(fenster, "filter"), "ck");
    tippe(feld(fenster, "name0"), "Anna");
    QString meldung;
    merkeMeldung(meldung);
    EXPECT_FALSE(fenster.spielStarten());
    EXPECT_TRUE(meldung.contains("nicht als Programm ausführen")) << meldung.toStdString();
}

// The teacher's word window opens once at a time; the report covers the period chosen.
TEST_F(StartFrmTest, WordWindowAndReport) {
    programm("zafku-woerter", "#!/bin/sh\nsleep 0.3\ntouch \"$2/zu\"\n");
    QFile::copy(QStringLiteral(ZAFKU_HOST_DIR "/Vokra-D.mdb"), host_.file("Vokra-D.mdb"));
    StartFrm(host_.path()).findChild<QPushButton*>("woerter")->click();
    EXPECT_TRUE(QFile::exists(host_.file("zu"))) << "closing waits for the word window";
    StartFrm fenster(host_.path());
    auto* knopf = fenster.findChild<QPushButton*>("woerter");
    knopf->click();
    EXPECT_FALSE(knopf->isEnabled());
    warteBis([knopf] { return knopf->isEnabled(); });
    EXPECT_TRUE(knopf->isEnabled()) << "again when it is closed";
    for (const auto& [wahl, zeitraum] : {std::pair{0, "Zeitraum: alles"}, {1, "diese Woche"}}) {
        fenster.findChild<QComboBox*>("zeitraum")->setCurrentIndex(wahl);
        beiModalemDialog([](QDialog* d) { d->accept(); }); // no browser here
        ASSERT_FALSE(fenster.berichtErstellen().isEmpty());
        EXPECT_TRUE(host_.readBytes("User/Lernbericht.html").contains(zeitraum)) << zeitraum;
    }
    const VollePlatte voll;
    QString meldung;
    merkeMeldung(meldung);
    EXPECT_TRUE(fenster.berichtErstellen().isEmpty());
    EXPECT_TRUE(meldung.startsWith("Der Lernbericht kann nicht nach")) << meldung.toStdString();
}

TEST_F(StartFrmTest, AClassEnteredOnceLetsChildrenStartByClickingTheirNames) {
    {
        // Typed as a teacher would: a name, Enter, the next name.
        KlasseFrm klasse(host_.path(), {});
        klasse.show();
        klasse.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&klasse));
        for (const char* name : {"Anna", "Ben", "Cem", "Dana", "Emil"}) {
            QTest::keyClicks(QApplication::focusWidget(), QString(name).left(1));
            QTest::keyClicks(QApplication::focusWidget(), QString(name).mid(1));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            // The editor closes and the next one opens on the event loop, a step a pass.
            for (int i = 0; i < 4; ++i)
                QCoreApplication::processEvents();
        }
        ASSERT_EQ(klasse.tabelle()->rowCount(), 6); // always one empty row to type into
        ASSERT_TRUE(klasse.speichern());
    }
    // A corrected name keeps its child's file.
    KlasseFrm klasse(host_.path(), bericht::ladeKlassenliste(host_.path()).kinder);
    klasse.tabelle()->item(1, 0)->setText("Benno");
    ASSERT_TRUE(klasse.speichern());

    StartFrm fenster(host_.path());
    tippe(feld(fenster, "filter"), "ck");
    EXPECT_FALSE(feld(fenster, "name0")->isVisibleTo(&fenster));
    klicke(fenster, {"kind2", "kind1"});
    ASSERT_TRUE(fenster.spielStarten());
    EXPECT_EQ(gestartet(), startBlock("CK__", {{"Cem", "cem"}, {"Benno", "ben"}}) + "|1");
    klicke(fenster, {"kind3", "kind4", "kind0"}); // a fifth child
    EXPECT_TRUE(fenster.findChild<QLabel*>("status")->text().contains("höchstens 4 Kinder"));
}

TEST_F(StartFrmTest, LooksAsStoredWithoutAndWithAClass) {
    StartFrm ohneKlasse(host_.path());
    EXPECT_TRUE(siehtAusWie(ohneKlasse, "start"));
    KlasseFrm klasse(host_.path(),
                     {{"Anna-Katharina", "anna"}, {"Benjamin", "ben"}, {"Cemal", "cem"}});
    EXPECT_TRUE(siehtAusWie(klasse, "klasse"));
    beiModalemDialog([](QDialog* d) { d->accept(); }); // twice the same name: not saved
    EXPECT_FALSE(KlasseFrm(host_.path(), {{"Ida", "ida"}, {"Ida", "ida2"}}).speichern());
    ASSERT_TRUE(klasse.speichern());
    // The exercise's picture, shown twice its size.
    host_.writeBytes("Grafik/BST_LIE.GIF", leseDatei(ZAFKU_HOST_DIR "/Grafik/BST_LIE.GIF"));
    StartFrm fenster(host_.path());
    tippe(feld(fenster, "filter"), "langes i");
    klicke(fenster, {"kind0", "kind1", "kind2"});
    EXPECT_TRUE(siehtAusWie(fenster, "start-klasse"));
    klicke(fenster, {"kind0", "kind1"}); // taken back: one child is left
    EXPECT_TRUE(fenster.findChild<QLabel*>("status")->text().startsWith("Es spielt: Cemal"));
    klicke(fenster, {"beenden"});
    EXPECT_FALSE(fenster.isVisible()) << "Beenden closes it";
}
