#include "speech/Vorleser.h"
#include "platform/Sprachausgabe.h"

#include <gtest/gtest.h>

using namespace zafku;

namespace {

struct Mitschrift : Sprachausgabe {
    void sprich(const QStringList& texte) override { gesagt.append(texte.join(" | ")); }
    void verstumme() override { ++verstummt; }
    QStringList gesagt;
    int verstummt = 0;
};

} // namespace

// The sentence is read as it is shown: the word in place of "@", an empty sentence as the
// word alone (and then only once), a sentence without "@" unchanged.
TEST(Vorleser, ReadsWordAndSentenceAsShown) {
    const struct {
        const char *wort, *satz, *aufgabe, *satzAllein;
    } faelle[] = {
        {"Fluss", "Der @ ist breit.", "Fluss | Der Fluss ist breit.", "Der Fluss ist breit."},
        {"Bahn", " @ fährt, die @ auch. ", "Bahn | Bahn fährt, die @ auch.",
         "Bahn fährt, die @ auch."},
        {"Biene", "  ", "Biene", "Biene"},
        {"Boot", "Ein Boot.", "Boot | Ein Boot.", "Ein Boot."},
    };
    for (const auto& f : faelle) {
        Mitschrift sprache;
        Vorleser vorleser(&sprache);
        vorleser.neueAufgabe(f.wort, f.satz);
        vorleser.liesAufgabe();
        vorleser.liesSatz();
        vorleser.liesWort();
        EXPECT_EQ(sprache.gesagt, QStringList({f.aufgabe, f.satzAllein, f.wort})) << f.wort;
    }
}

// A new task is read once, only when chosen, and not while reading is held back; stopping
// forgets a task not yet read.
TEST(Vorleser, ReadsEachNewTaskOnceWhenChosen) {
    Mitschrift sprache;
    Vorleser vorleser(&sprache);
    bool stumm = false;
    vorleser.stumm = [&] { return stumm; };
    vorleser.neueAufgabe("Boot", "");
    vorleser.liesNeueAufgabe();
    vorleser.automatisch = true;
    vorleser.liesNeueAufgabe();
    EXPECT_EQ(sprache.gesagt, QStringList()) << "not chosen when it appeared";

    vorleser.neueAufgabe("Bahn", "");
    vorleser.liesNeueAufgabe();
    vorleser.liesNeueAufgabe();
    vorleser.neueAufgabe("Biene", "");
    vorleser.verstumme();
    vorleser.liesNeueAufgabe();
    stumm = true;
    vorleser.neueAufgabe("Kamm", "");
    vorleser.liesNeueAufgabe();
    vorleser.liesAufgabe();
    vorleser.setzeTipp("Tipp");
    vorleser.liesTipp();
    stumm = false;
    vorleser.liesNeueAufgabe();
    vorleser.liesTipp();
    EXPECT_EQ(sprache.gesagt, QStringList({"Bahn", "Tipp"}));
    EXPECT_EQ(sprache.verstummt, 1);
}
