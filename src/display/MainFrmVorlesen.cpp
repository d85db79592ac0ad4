// The speaker buttons and what the game reads aloud.

#include "MainFrm.h"

#include "LautsprecherKnopf.h"
#include "dialogs/Twips.h"
#include "game/AufgabenQuelle.h"
#include "rdb/Aufgabe.h"
#include "sound/SoundMod.h"
#include "speech/Vorleser.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>

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
    const auto knopf = [this](QWidget* eltern, int links, int oben, const QString& was, auto lies) {
        auto* k = new LautsprecherKnopf(eltern);
        k->setGeometry(twips(links), twips(oben), twips(kKnopfTwips), twips(kKnopfTwips));
        k->setToolTip(was + QStringLiteral(" (F5)"));
        k->setContextMenuPolicy(Qt::ActionsContextMenu);
        k->addAction(vorlesenAktion);
        connect(k, &QAbstractButton::clicked, this, lies);
        return k;
    };
    // At the end of the word line, where the longest word leaves room.
    wortSprecher = knopf(lueckWortLbl->parentWidget(), 4485, 188, QStringLiteral("Wort vorlesen"),
                         [this] { vorleser_->liesWort(); });
    // Just below the sentence frame, in the free strip between the card and the player's
    // panel: the sentence keeps its whole width.
    satzSprecher = knopf(lueckSatzFrame->parentWidget(), 4447, 2535,
                         QStringLiteral("Satz vorlesen"), [this] { vorleser_->liesSatz(); });
}

void MainFrm::vorlesenNachAufgabe() {
    const Aufgabe& a = d_.quelle.aufgabe();
    vorleser_->neueAufgabe(a.aktWort, a.aktSatzKontext, a.aktAussprache);
    // Once the turn has gone on (the computer's move starts first) and the cue that
    // greeted the answer has sounded; the game goes on meanwhile.
    vorleser_->liesNeueAufgabe(int(d_.sound.restMs()));
}

} // namespace zafku
