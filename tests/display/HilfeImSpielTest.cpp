#include "TestSpiel.h"

#include "help/HilfeBrowser.h"

#include <QApplication>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace zafku;

namespace {

// Real window-system input, which Qt drops for a window a modal one blocks.
void pruefeBedienbar(HilfeBrowser& hilfe, const QString& datei, const char* wann) {
    SCOPED_TRACE(wann);
    HilfeFenster* f = hilfe.fenster(datei);
    ASSERT_TRUE(f && f->isVisible());
    f->verticalScrollBar()->setValue(0);
    QTest::keyClick(f->windowHandle(), Qt::Key_PageDown);
    EXPECT_GT(f->verticalScrollBar()->value(), 0) << "keys scroll the page";
    QTest::keyClick(f->windowHandle(), Qt::Key_Escape);
    EXPECT_FALSE(f->isVisible()) << "Esc closes the help window";
}

} // namespace

TEST(HilfeImSpiel, HelpTakesInputBesideTheModalGameAndItsMessages) {
    HilfeBrowser hilfe;
    test::TestAudio audio;
    FesteUhr uhr;
    TestSpiel spiel(hilfe, audio, uhr);
    spiel.host.writeBytes("Zafku/2000.html", QByteArray("<p>Regel</p>").repeated(200));
    spiel.host.writeBytes("Zafku/index.html", "<p>Start</p>");
    spiel.fenster.lade();
    const QString datei = spiel.daten.hilfeDatei;

    bool gelaufen = false;
    QTimer::singleShot(0, &spiel.fenster, [&] {
        QTest::keyClick(spiel.fenster.windowHandle(), Qt::Key_F1);
        pruefeBedienbar(hilfe, datei, "beside the game");
        // A wrong answer opens the "Fehler" message modally on top of the game.
        QTimer::singleShot(0, &spiel.fenster, [&] {
            EXPECT_EQ(QApplication::activeModalWidget(), &spiel.mld);
            hilfe.showTopic(datei, 2000);
            pruefeBedienbar(hilfe, datei, "beside a message");
            QTest::keyClick(&spiel.mld, Qt::Key_Return);
            gelaufen = true;
        });
        spiel.fenster.ablauf().checkBstWahl(0);
        spiel.fenster.done(0);
    });
    spiel.fenster.exec();
    EXPECT_TRUE(gelaufen);
}
