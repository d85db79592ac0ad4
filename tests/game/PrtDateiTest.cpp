#include "game/PrtDatei.h"
#include "Fakes.h"
#include "glob/SitzungsDaten.h"
#include "support/TempHost.h"
#include "support/VollePlatte.h"

#include <QFile>

#include <functional>
#include <sys/stat.h>

#include <gtest/gtest.h>

using namespace zafku;

TEST(PrtDatei, AppendsToThePlayerOnTurnInWindows1252) {
    TempHost host;
    host.writeBytes("User/anna.tmp", "1= OK\r\n");
    SitzungsDaten daten;
    daten.appPfad = host.path();
    daten.nSpieler = 2;
    daten.spielerDatei = {"anna", "tim"};
    QStringList meldungen;
    PrtDatei prt(daten, [&](const QString& text) { meldungen.append(text); });
    prt.oeffneErsteDatei();
    prt.initPrtDatei();
    EXPECT_EQ(daten.prtDateiNr, 1);
    const Aufgabe strasse = test::aufgabe(57, QString::fromUtf8("Straße"), 5, 1);
    prt.addPrtEintrag(false, "ss", strasse);
    prt.addPrtEintrag(true, {}, strasse);
    prt.addPrtEintrag(false, "F", test::aufgabe(-4, "Vogel", 1, 1));
    daten.aktSpieler = 1;
    prt.initPrtDatei();
    prt.addPrtEintrag(false, QString::fromUtf8("ß"), test::aufgabe(8, "Fluss", 4, 2));
    prt.addPrtEintrag(false, "k", test::aufgabe(3, "Zucker", 3, 2));
    prt.schliessen();
    EXPECT_EQ(daten.prtDateiNr, 0);
    EXPECT_EQ(host.readBytes("User/anna.tmp"),
              QByteArray("1= OK\r\n57= Strasse\r\n57= OK\r\n-4= Fogel\r\n"));
    EXPECT_EQ(host.readBytes("User/tim.tmp"), QByteArray("8= Flu\xDF\r\n3= Zuker\r\n"));
    prt.initPrtDatei();
    {
        const VollePlatte voll; // told once, and play goes on without the protocol
        prt.addPrtEintrag(true, {}, strasse);
        prt.addPrtEintrag(true, {}, strasse);
    }
    EXPECT_EQ(daten.prtDateiNr, 0);
    EXPECT_EQ(meldungen.size(), 1);
}

// Only a regular file in User/: no FIFO (it would stall) and no link out of the folder.
TEST(PrtDatei, UnusableFileIsReportedOnceAndPlayGoesOn) {
    const std::tuple<const char*, std::function<void(const TempHost&)>, bool> faelle[] = {
        {"folder", [](const TempHost& h) { QDir(h.path()).mkpath("User/kind.tmp"); }, false},
        {"fifo",
         [](const TempHost& h) {
             QDir(h.path()).mkpath("User");
             mkfifo(QFile::encodeName(h.file("User/kind.tmp")).constData(), 0600);
         },
         false},
        {"User is a file", [](const TempHost& h) { h.writeBytes("User", ""); }, false},
        {"link out",
         [](const TempHost& h) {
             h.writeBytes("draussen.txt", "");
             QDir(h.path()).mkpath("User");
             QFile::link(h.file("draussen.txt"), h.file("User/kind.tmp"));
         },
         false},
        {"User links out",
         [](const TempHost& h) {
             QDir().mkpath(h.path() + "-draussen");
             QFile::link(h.path() + "-draussen", h.file("User"));
         },
         false},
        {"dangling link",
         [](const TempHost& h) {
             QDir(h.path()).mkpath("User");
             QFile::link(h.file("neu.txt"), h.file("User/kind.tmp"));
         },
         false},
        {"link inside",
         [](const TempHost& h) {
             h.writeBytes("User/echt.tmp", "");
             QFile::link(h.file("User/echt.tmp"), h.file("User/kind.tmp"));
         },
         true},
    };
    for (const auto& [fall, lege, benutzt] : faelle) {
        TempHost host;
        lege(host);
        SitzungsDaten daten;
        daten.appPfad = host.path();
        daten.nSpieler = 1;
        daten.spielerDatei = {"kind"};
        QStringList meldungen;
        PrtDatei prt(daten, [&](const QString& text) { meldungen.append(text); });
        prt.oeffneErsteDatei();
        prt.initPrtDatei();
        prt.addPrtEintrag(true, {}, test::aufgabe(1, "Hut", 2, 1));
        prt.initPrtDatei();
        EXPECT_EQ(meldungen.size(), benutzt ? 0 : 1) << fall;
        EXPECT_TRUE(meldungen.join("").contains(benutzt ? "" : "kind.tmp")) << fall;
        EXPECT_EQ(daten.prtDateiNr, benutzt ? 1 : 0) << fall;
        EXPECT_EQ(host.readBytes("draussen.txt") + host.readBytes("neu.txt"), QByteArray());
        EXPECT_FALSE(QFile::exists(host.path() + "-draussen/kind.tmp")) << fall;
        QDir().rmdir(host.path() + "-draussen");
    }
}
