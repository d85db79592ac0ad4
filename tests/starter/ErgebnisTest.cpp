#include "dialogs/ModalAntwort.h"
#include "platform/Sprachausgabe.h"
#include "speech/Vorleser.h"
#include "starter/ErgebnisFrm.h"
#include "starter/Ueben.h"
#include "support/Bildvergleich.h"
#include "support/TempHost.h"

#include <QFile>
#include <QKeyEvent>
#include <QLabel>

#include <gtest/gtest.h>

using namespace zafku;
using namespace zafku::starter;

namespace {

struct Aufnahme : Sprachausgabe {
    void sprich(const QStringList& texte) override { gesprochen += texte; }
    void verstumme() override { ++verstummt; }
    QStringList gesprochen;
    int verstummt = 0;
};

struct ErgebnisTest : ::testing::Test, EigeneEinstellungen {};

} // namespace

// What is shown is read, when reading aloud was chosen, and stops when the child moves on.
TEST_F(ErgebnisTest, TheScreenIsReadAloudOnlyWhenChosen) {
    using Z = ErgebnisZeile;
    const QString name = "Maximiliane Wilhelmine von Hohenberg"; // the winner's line wraps
    const QStringList texte = {name + " hat gewonnen!", name, "1 Zafku und 40 Punkte"};
    const QList<Z> zeilen = {{Z::Gewinner, texte[0]}, {Z::Name, texte[1]}, {Z::Zafkus, texte[2]}};
    for (const bool vorlesen : {false, true}) {
        merkeVorlesen(vorlesen);
        Aufnahme stimme;
        ErgebnisFrm fenster(zeilen, &stimme);
        fenster.show();
        EXPECT_EQ(stimme.gesprochen, vorlesen ? texte : QStringList());
        QKeyEvent weiter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(&fenster, &weiter);
        EXPECT_FALSE(fenster.isVisible()) << "Return moves on";
        EXPECT_GE(stimme.verstummt, 1);
    }
    ErgebnisFrm ohneStimme(zeilen, nullptr); // no voice, no crash
    EXPECT_TRUE(siehtAusWie(ohneStimme, "ergebnis"));
    EXPECT_EQ(ohneStimme.findChild<QLabel*>()->textFormat(), Qt::PlainText) << "names stay text";
}

// Read before the folder goes; an earlier account left there is never shown as this one.
TEST_F(ErgebnisTest, TheGamesOwnAccountNamesZafkusAndTheWinner) {
    const QString host = QStringLiteral(ZAFKU_HOST_DIR);
    const std::pair<const char*, QStringList> faelle[] = {
        {"printf 'Platz\\tergebnistest\\t140\\t1\\tAnna\\nPlatz\\t\\t50\\t0\\tComputer\\n"
         "Gewinner\\tAnna\\n' > User/ergebnistest.ergebnis",
         {"Anna hat gewonnen!", "Anna", "0 Wörter richtig geschrieben", "1 Zafku und 140 Punkte"}},
        {"true", {"Anna", "0 Wörter richtig geschrieben"}},
        {nullptr, // no game: a message instead
         {"", "Zafku lässt sich nicht starten: Die Datei lässt sich nicht als Programm ausführen; "
              "sie ist wohl beschädigt oder gehört zu einem anderen Rechner."}},
    };
    for (const auto& [spiel, erwartet] : faelle) {
        QTemporaryDir ordner;
        const QString alt = ordner.filePath("User/ergebnistest.ergebnis");
        schreibeDatei(alt, "Platz\tergebnistest\t9\t9\tAnna\nGewinner\tAlt\n");
        if (spiel) {
            schreibeDatei(ordner.filePath("zafku"), QByteArray("#!/bin/sh\n") + spiel + "\n");
            QFile::setPermissions(ordner.filePath("zafku"), QFile::ReadOwner | QFile::ExeOwner);
        }
        QStringList gezeigt;
        beiModalemDialog([&](QDialog* d) {
            for (const QLabel* l : d->findChildren<QLabel*>())
                gezeigt.append(l->text());
            d->accept();
        });
        Aufnahme stimme;
        EXPECT_EQ(spieleMitErgebnis(nullptr, host, ordner.path(), "-", {{"Anna", "ergebnistest"}},
                                    &stimme),
                  spiel != nullptr);
        EXPECT_EQ(gezeigt, erwartet);
        EXPECT_FALSE(QFile::exists(alt)) << "read once";
    }
}

// A name that is no protocol file of User/, or a child with nothing due, is told; no game starts.
TEST_F(ErgebnisTest, PractiseRefusesANameThatIsNoFileOfUserOrHasNothingDue) {
    TempHost host;
    for (const char* datei : {"Vokra-D.mdb", "Vokra.tsp", "Vokra.kmp"})
        host.writeBytes(datei, leseDatei(QStringLiteral(ZAFKU_HOST_DIR "/") + datei));
    host.writeBytes("User/anna.tmp", {}); // played, nothing wrong
    const QString keinName = "»%1« ist kein Name einer Protokolldatei im Ordner User.";
    for (const QString datei : {"", ".anna", "../anna", "a\\b", "anna"}) {
        QString gezeigt;
        merkeMeldung(gezeigt);
        EXPECT_FALSE(uebe(nullptr, host.path(), {"Anna", datei}, nullptr));
        EXPECT_EQ(gezeigt.toStdString(), datei == "anna" ? "Anna hat heute keine Wörter zu üben."
                                                         : keinName.arg(datei).toStdString());
    }
}
