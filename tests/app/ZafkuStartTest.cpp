#include "support/TempHost.h"

#include <QProcess>
#include <QTest>

#include <gtest/gtest.h>

TEST(ZafkuStart, JoinsALaunchBlockThatTheShellSplitAtBlanks) {
    TempHost host; // the game reads its host files beside the executable
    for (const char* datei : {"Vokra.ini", "Vokra.tsp", "Vokra.kmp", "Vokra-D.mdb"})
        ASSERT_TRUE(QFile::copy(QString(ZAFKU_HOST_DIR "/") + datei, host.file(datei))) << datei;
    QDir().mkpath(host.file("User"));
    ASSERT_TRUE(QFile::copy(ZAFKU_EXE, host.file("zafku")));

    QProcess spiel;
    // A blank inside a player's file name shows that the pieces were joined by one.
    spiel.start(host.file("zafku"), {"\"Version=4;VeskFeldName=LIE_;nSpieler=2;Anna",
                                     "Sommer;Tim;anna", "01;tim02;\""});
    ASSERT_TRUE(spiel.waitForStarted(5000));
    // The first player's protocol file appears once the game has its first task.
    const QString protokoll = host.file("User/anna 01.tmp");
    (void)QTest::qWaitFor(
        [&] { return QFile::exists(protokoll) || spiel.state() != QProcess::Running; }, 20000);
    const bool gestartet = QFile::exists(protokoll);
    spiel.kill();
    spiel.waitForFinished(5000);
    EXPECT_TRUE(gestartet) << "exit " << spiel.exitCode() << ": "
                           << spiel.readAllStandardError().toStdString();
}
