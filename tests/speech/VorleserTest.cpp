#include "speech/Vorleser.h"
#include "platform/Sprachausgabe.h"

#include <QCoreApplication>

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
// A reviewed pronunciation stands for the word wherever it is spoken.
TEST(Vorleser, ReadsTheTaskAsShown) {
    const std::tuple<const char*, const char*, const char*, const char*> faelle[] = {
        {"@ fährt, die @ auch. ", "", "Bahn | Bahn fährt, die @ auch.", "Bahn fährt, die @ auch."},
        {"  ", "", "Bahn", "Bahn"},
        {"Die S-Bahn.", "", "Bahn | Die S-Bahn.", "Die S-Bahn."},
        {"Die @ hält.", "[[b'a:n]]", "[[b'a:n]] | Die [[b'a:n]] hält.", "Die [[b'a:n]] hält."},
    };
    for (const auto& [satz, aussprache, aufgabe, satzAllein] : faelle) {
        Mitschrift sprache;
        Vorleser vorleser(&sprache);
        vorleser.neueAufgabe("Bahn", satz, aussprache);
        vorleser.liesAufgabe();
        vorleser.liesSatz();
        EXPECT_EQ(sprache.gesagt, QStringList({aufgabe, satzAllein})) << satz;
    }
}

// A reading asked for meanwhile, or the computer's turn, takes its place.
TEST(Vorleser, ReadsANewTaskAfterTheCueUnlessSomethingElseCameFirst) {
    const std::tuple<bool, int, std::function<void(Vorleser&)>, QStringList> faelle[] = {
        {true, 0, [](Vorleser&) {}, {"Bahn | Die Bahn hält."}},
        {true, 60000, [](Vorleser&) {}, {}},
        {false, 0, [](Vorleser&) {}, {}},
        {true, 0, [](Vorleser& v) { v.liesWort(); }, {"Bahn"}},
        {true, 0, [](Vorleser& v) { v.verstumme(); }, {}},
        {true, 0, [](Vorleser& v) { v.stumm = [] { return true; }; }, {}},
    };
    for (const auto& [automatisch, cueMs, inzwischen, gesagt] : faelle) {
        Mitschrift sprache;
        Vorleser vorleser(&sprache);
        vorleser.automatisch = automatisch;
        vorleser.neueAufgabe("Bahn", "Die @ hält.");
        vorleser.liesNeueAufgabe(cueMs);
        inzwischen(vorleser);
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        EXPECT_EQ(sprache.gesagt, gesagt) << cueMs;
    }
}
