// The speaker buttons and what the game reads aloud.

#include "MainFrm.h"

#include "LautsprecherKnopf.h"
#include "dialogs/Twips.h"
#include "game/AufgabenQuelle.h"
#include "rdb/Aufgabe.h"
#include "speech/Vorleser.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QTimer>

namespace zafku {

namespace {
// Large enough for a child's click (32 pixels at the designed size); grows with the game.
constexpr int kKnopfTwips = 480;
} // namespace

void MainFrm::baueVorlesen() {
    vorleser_ = std::make_unique<Vorleser>(d_.sprache);
    vorleser_->stumm = [this] { return ablauf_.computerAmZug; };
    vorleser_->automatisch = vorlesenGewaehlt();
    vorlesenAktion = new QAction(QStringLiteral("Jede neue Aufgabe &vorlesen"), this);
    vorlesenAktion->setCheckable(true);
    vorlesenAktion->setChecked(vorleser_->automatisch);
    connect(vorlesenAktion, &QAction::toggled, this, [this](bool an) {
        vorleser_->automatisch = an;
        merkeVorlesen(an);
    });
    const auto knopf = [this](QWidget* rahmen, int oben, const QString& was, auto lies) {
        auto* k = new LautsprecherKnopf(rahmen);
        k->setGeometry(twips(4485), twips(oben), twips(kKnopfTwips), twips(kKnopfTwips));
        k->setToolTip(was + QStringLiteral(" (F5)"));
        k->setContextMenuPolicy(Qt::ActionsContextMenu);
        k->addAction(vorlesenAktion);
        connect(k, &QAbstractButton::clicked, this, lies);
        k->raise();
        return k;
    };
    wortSprecher = knopf(lueckWortLbl->parentWidget(), 188, QStringLiteral("Wort vorlesen"),
                         [this] { vorleser_->liesWort(); });
    satzSprecher = knopf(lueckSatzFrame, 450, QStringLiteral("Satz vorlesen"),
                         [this] { vorleser_->liesSatz(); });
}

void MainFrm::vorlesenNachAufgabe() {
    const Aufgabe& a = d_.quelle.aufgabe();
    vorleser_->neueAufgabe(a.aktWort, a.aktSatzKontext);
    // Once the turn has gone on: the computer's move starts before this runs.
    QTimer::singleShot(0, this, [this] { vorleser_->liesNeueAufgabe(); });
}

} // namespace zafku
