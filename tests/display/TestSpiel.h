#pragma once

#include "dialogs/MldFenster.h"
#include "display/DateiInfoFrm.h"
#include "display/MainFrm.h"
#include "game/Fakes.h"
#include "glob/SitzungsDaten.h"
#include "highscore/MeisterFrm.h"
#include "highscore/MeisterListe.h"
#include "platform/Sprachausgabe.h"
#include "sound/SoundMod.h"
#include "support/FesteUhr.h"
#include "support/TempHost.h"
#include "support/TestHilfe.h"

#include <QApplication>
#include <QTest>
#include <QTimer>

// The main window with two players and two scripted tasks; help, audio, clock, speech given.
struct TestSpiel {
    TestSpiel(zafku::HelpViewer& hilfe, zafku::AudioOutput& audio, const zafku::Clock& uhr,
              const QStringList& ini = {"[Zafku]", "TonEinschalten=0"},
              zafku::Sprachausgabe* sprache = nullptr)
        : sound(daten, audio),
          fenster({daten, quelle, sound, zufall, uhr, hilfe, mld, info, &meister, sprache}) {
        host.writeHostFile("Vokra.ini", ini);
        daten.appPfad = host.path();
        daten.userPfad = host.path(); // the game's account lands here, not beside the test
        daten.nSpieler = 2;
        daten.spielerName = {"Anna", "Tim"};
        daten.spielerDatei = {"anna", "tim"};
        daten.katTitel = "Langes i wird ie geschrieben";
        quelle.folge = {{zafku::test::aufgabe(5, "Fluss", 4, 2, 1, "Der @ ist breit."), "ss,s,ß"},
                        {zafku::test::aufgabe(6, "Biene", 2, 2), "ie,i"}};
    }

    TempHost host;
    zafku::SitzungsDaten daten{[this] { // the help file is known before any window is made
        zafku::SitzungsDaten d;
        d.hilfeDatei = host.file("Zafku.chm");
        return d;
    }()};
    zafku::test::TestQuelle quelle;
    zafku::SoundMod sound;
    zafku::test::SkriptZufall zufall;
    zafku::MldFenster mld;
    zafku::DateiInfoFrm info;
    zafku::MeisterListe liste{zafku::oeffneMeisterSpeicher(host.path(), host.file("User"))};
    zafku::MeisterFrm meister{liste};
    zafku::MainFrm fenster;
};

// Notes each request to speak, its texts joined by " | ".
struct AufnehmendeSprache : zafku::Sprachausgabe {
    void sprich(const QStringList& texte) override { gesagt.append(texte.join(" | ")); }
    void verstumme() override {}
    QStringList gesagt;
};

// The usual fakes, made before the game that uses them.
struct Attrappen {
    TestHilfe hilfe;
    zafku::test::TestAudio audio;
    FesteUhr uhr;
};
struct SpielMitAttrappen : Attrappen, TestSpiel {
    SpielMitAttrappen() : TestSpiel(hilfe, audio, uhr) {}
};

// Notes the caption of every modal window and presses Return in it, unless eigene took it.
struct ModalBeantworter {
    ModalBeantworter() {
        QObject::connect(&timer, &QTimer::timeout, [this] {
            if (QWidget* w = QApplication::activeModalWidget()) {
                titel.append(w->windowTitle());
                if (!eigene(w))
                    QTest::keyClick(w, Qt::Key_Return);
            }
        });
        timer.start(20);
    }
    std::function<bool(QWidget*)> eigene = [](QWidget*) { return false; };
    QStringList titel;
    QTimer timer;
};
