// Menu bar, keyboard preview and the end of the game.

#include "MainFrm.h"

#include "DateiInfoFrm.h"
#include "InfoFrm.h"
#include "dialogs/EndeFrm.h"
#include "dialogs/MldFenster.h"
#include "highscore/MeisterFrm.h"
#include "platform/HelpViewer.h"
#include "platform/LaufzeitFehler.h"
#include "settings/EinstellFrm.h"
#include "sound/SoundMod.h"
#include "speech/Vorleser.h"
#include "glob/SitzungsDaten.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

namespace zafku {

namespace {

constexpr long kMenueThema = 1000;

struct MenueEintrag {
    const char* name;
    const char* titel; // "-" is a separator
    long thema;
};

} // namespace

QMenuBar* MainFrm::baueMenues() {
    auto* leiste = new QMenuBar(this);
    const auto baue = [&](const char* name, const char* titel,
                          std::initializer_list<MenueEintrag> eintraege) {
        QMenu* m = leiste->addMenu(QString::fromUtf8(titel));
        m->menuAction()->setData(QVariant::fromValue(kMenueThema));
        menue[QString::fromUtf8(name)] = m->menuAction();
        for (const MenueEintrag& e : eintraege) {
            QAction* a = QString::fromUtf8(e.titel) == QLatin1String("-")
                             ? m->addSeparator()
                             : m->addAction(QString::fromUtf8(e.titel));
            a->setObjectName(QString::fromUtf8(e.name));
            a->setData(QVariant::fromValue(e.thema));
            menue[QString::fromUtf8(e.name)] = a;
        }
    };
    baue("mnuDatei", "&Datei",
         {{"mnuDateiNeu", "&Neu ...", 3006},
          {"mnuDateiStrich1", "-", 0},
          {"mnuDateiInfo", "&Info ...", 3004},
          {"mnuDateiMeisterliste", "&Meisterliste ...", 3005},
          {"mnuDateiStrich2", "-", 0},
          {"mnuDateiEnde", "&Ende ...", 3009}});
    baue("mnuBearbeiten", "&Bearbeiten", {{"mnuBearbEinstell", "&Einstellungen ...", 3003}});
    baue("mnuHilfe", "&Hilfe",
         {{"mnuHilfeInfo", "&Info über ...", 3007},
          {"mnuHilfeStrich", "-", 0},
          {"mnuHilfeBedienung", "&Bedienungshinweise ...", 1000},
          {"mnuHilfeSpielregeln", "&Spielregeln ...", 2000},
          {"mnuHilfeAktKat", "Üb&ungsschwerpunkt ...", 3008}});

    const auto bei = [this](const char* name, std::function<void()> befehl) {
        connect(menue.at(QString::fromUtf8(name)), &QAction::triggered, this,
                [this, befehl] { sicher(befehl); });
    };
    bei("mnuDateiNeu", [this] { ablauf_.neuesSpiel(); });
    bei("mnuDateiInfo", [this] {
        d_.info.fuellePunkte(d_.daten);
        d_.info.exec();
    });
    bei("mnuDateiMeisterliste", [this] {
        if (d_.meister)
            d_.meister->zeige();
    });
    bei("mnuDateiEnde", [this] {
        if (frageEnde())
            programmEnde();
    });
    bei("mnuBearbEinstell", [this] { zeigeEinstellungen(); });
    bei("mnuHilfeInfo", [this] {
        if (!infoFrm)
            infoFrm = new InfoFrm(&d_.hilfe, d_.daten.hilfeDatei, this);
        infoFrm->exec();
    });
    bei("mnuHilfeBedienung", [this] { d_.hilfe.showDefault(d_.daten.hilfeDatei); });
    bei("mnuHilfeSpielregeln", [this] { zeigeHilfe(2000); });
    bei("mnuHilfeAktKat", [this] { zeigeKategorieHilfe(); });
    for (QMenu* m : leiste->findChildren<QMenu*>())
        m->installEventFilter(this);
    return leiste;
}

void MainFrm::setzeMenues(bool freigabe) {
    for (const char* name :
         {"mnuDateiNeu", "mnuDateiInfo", "mnuDateiMeisterliste", "mnuDateiEnde", "mnuBearbEinstell",
          "mnuHilfeInfo", "mnuHilfeSpielregeln", "mnuHilfeAktKat"})
        menue.at(QString::fromUtf8(name))->setEnabled(freigabe);
}

void MainFrm::zeigeEinstellungen() {
    if (!einstellFrm_)
        einstellFrm_ =
            std::make_unique<EinstellFrm>(d_.daten, ablauf_.einstellungen, &d_.hilfe, this);
    const int alt = d_.daten.gegenComputer;
    if (einstellFrm_->zeige())
        d_.info.zeigeSpieler(d_.daten);
    // Confirmed: a running guess time runs on, switching it on starts it from zero.
    if (einstellFrm_->result() == QDialog::Accepted) {
        if (d_.daten.rateZeitBegrenzen != 1)
            ablauf_.switchVuRestZeit(false);
        else if (!restZeitTimerObj->isActive())
            ablauf_.switchVuRestZeit(true);
    }
    ablauf_.nachEinstellungen(alt);
}

void MainFrm::zeigeHilfe(long thema) {
    d_.hilfe.showTopic(d_.daten.hilfeDatei, thema);
}

void MainFrm::zeigeKategorieHilfe() {
    d_.hilfe.showTopic(d_.daten.appPfad + QStringLiteral("/Vesk.chm"), d_.daten.katHilfeNr);
}

void MainFrm::sicher(const std::function<void()>& befehl) {
    try {
        befehl();
    } catch (const LaufzeitFehler& fehler) {
        zeigeMeldung(fehler.text(), QStringLiteral("&OK"), QString(),
                     QStringLiteral("Laufzeitfehler"));
        done(1);
    }
}

bool MainFrm::eventFilter(QObject* ziel, QEvent* ereignis) {
    if (ereignis->type() != QEvent::KeyPress)
        return false;
    auto* taste = static_cast<QKeyEvent*>(ereignis);
    if (auto* m = qobject_cast<QMenu*>(ziel)) {
        if (taste->key() != Qt::Key_F1)
            return false;
        const QAction* aktiv = m->activeAction();
        zeigeHilfe(aktiv && aktiv->data().toLongLong() > 0 ? aktiv->data().toLongLong()
                                                           : kMenueThema);
        return true;
    }
    auto* widget = qobject_cast<QWidget*>(ziel);
    if (!widget || widget->window() != this)
        return false;
    if (taste->key() == Qt::Key_F1) {
        zeigeHilfe(kHilfeThema);
        return true;
    }
    if (taste->key() == Qt::Key_F5) {
        vorleser().liesAufgabe();
        return true;
    }
    // Alt reaches the menus and the buttons' mnemonics.
    if (taste->modifiers() & (Qt::AltModifier | Qt::MetaModifier))
        return false;
    // Ctrl + letter types a control character, never the letter: the notice shows.
    if (taste->modifiers() & Qt::ControlModifier) {
        if (taste->key() < Qt::Key_A || taste->key() > Qt::Key_Z)
            return false;
        sicher([&] { ablauf_.taste(QChar(taste->key() - Qt::Key_A + 1)); });
        return true;
    }
    const QString text = taste->text();
    // Enter presses the default button; Tab, Esc and keys without a character pass.
    if (text.isEmpty() || text[0] == u'\r' || text[0] == u'\n' || text[0] == u'\t' ||
        text[0] == QChar(0x1B) || text[0] == QChar(0x19) || text[0] == QChar(0x7F))
        return false;
    sicher([&] { ablauf_.taste(text[0]); });
    return true;
}

bool MainFrm::frageEnde() {
    if (!endeFrm_)
        endeFrm_ = std::make_unique<EndeFrm>(&d_.hilfe, d_.daten.hilfeDatei, this);
    frageBeenden(d_.daten, *endeFrm_);
    return endeFrm_->antwort() != QLatin1String("nein");
}

void MainFrm::closeEvent(QCloseEvent* ereignis) {
    ereignis->ignore();
    if (ende_.laeuft())
        return;
    // Once the play time is used up the game ends without asking.
    if (ablauf_.spielZeitAbgelaufen() || frageEnde())
        programmEnde();
}

void MainFrm::programmEnde() {
    // Nothing of the game may open a window while the end cue plays.
    restZeitTimerObj->stop();
    energTimerObj->stop();
    lampenTimerObj->stop();
    ende_();
}

} // namespace zafku
