#include "speech/Vorleser.h"
#include "platform/Sprachausgabe.h"

#include <gtest/gtest.h>

using namespace zafku;

namespace {
struct Mitschrift : Sprachausgabe {
    void sprich(const QStringList& texte) override { gesagt.append(texte.join(" | ")); }
    void verstumme() override {}
    QStringList gesagt;
};
} // namespace

// As shown: the word for the first "@"; no sentence: the word once; no "@": unchanged.
TEST(Vorleser, ReadsTheTaskAsShown) {
    const struct {
        const char *satz, *aufgabe, *satzAllein;
    } faelle[] = {
        {"@ fährt, die @ auch. ", "Bahn | Bahn fährt, die @ auch.", "Bahn fährt, die @ auch."},
        {"  ", "Bahn", "Bahn"},
        {"Die S-Bahn.", "Bahn | Die S-Bahn.", "Die S-Bahn."},
    };
    for (const auto& f : faelle) {
        Mitschrift sprache;
        Vorleser vorleser(&sprache);
        vorleser.neueAufgabe("Bahn", f.satz);
        vorleser.liesAufgabe();
        vorleser.liesSatz();
        EXPECT_EQ(sprache.gesagt, QStringList({f.aufgabe, f.satzAllein})) << f.satz;
    }
}
