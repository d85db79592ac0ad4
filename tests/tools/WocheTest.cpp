#include "eigene/Woche.h"
#include "bericht/Lehrmaterial.h"
#include "support/DemoWort.h"

#include <gtest/gtest.h>

using namespace zafku;
using namespace zafku::eigene;

// Every word in list 1 at its spot and nothing else there; contrast words only from the
// shipped material, each named to the teacher; no choice set left with one right answer.
TEST(Woche, TheWeekAsksEveryWordAndNoChoiceGivesTheAnswerAway) {
    const std::tuple<QStringList, QString, QString> faelle[] = {
        {{"Biene", "Wiese"}, "Biene:2ie Wiese:2ie", ""},
        {{"Straße", "Schnecke", "Biene", "Wiese", "Katze"},
         "Straße:5ß Schnecke:6ck Biene:2ie Wiese:2ie Katze:3tz",
         ""},
        // ss and ß stand against each other already; list 2 must still not be empty.
        {{"Straße", "Wasser", "Hotel"}, "Straße:5ß Wasser:3ss", "Hotel"},
    };
    bericht::Lehrmaterial material(QStringLiteral(ZAFKU_HOST_DIR));
    for (const auto& [woerter, erwartet, ohneStelle] : faelle) {
        QList<int> nummern;
        for (const QString& w : woerter)
            nummern.append(refNr(w));
        const Woche w = planeWoche(material, nummern, {nummern.begin(), nummern.end()});
        const bericht::Uebung& u = w.uebung;
        QStringList liste1, ohne;
        for (const bericht::UebungsWort& x : u.woerter)
            liste1.append(QStringLiteral("%1:%2%3").arg(x.wort).arg(x.vonPos).arg(x.schreibung));
        for (const int n : u.ohneStelle)
            ohne.append(material.wort(n)->wort);
        const std::string fall = woerter.join(u' ').toStdString();
        EXPECT_EQ(liste1.join(u' ').toStdString(), erwartet.toStdString()) << fall;
        EXPECT_EQ(ohne.join(u' '), ohneStelle) << fall;
        EXPECT_EQ(u.kennung, wochenSchluessel());
        EXPECT_EQ(bericht::verrateneSaetze(u), QStringList()) << fall;
        ASSERT_FALSE(u.kontrast.isEmpty()) << fall;
        EXPECT_EQ(w.zugenommen.size(), u.kontrast.size());
        for (const bericht::UebungsWort& k : u.kontrast) {
            EXPECT_FALSE(nummern.contains(k.refNr)) << fall;
            EXPECT_TRUE(w.hinweis.contains(k.wort)) << fall << w.hinweis.toStdString();
        }
        EXPECT_EQ(w.hinweis.count(u'.'), 1) << "one sentence: " << w.hinweis.toStdString();
    }
}

TEST(Woche, KeysAndTheDateOfAKeptWeek) {
    const QDate tag(2026, 11, 30);
    EXPECT_EQ(wochenSchluessel(tag), "W20261130");
    EXPECT_EQ(tippDatum(wochenTipp(tag)), tag);
    EXPECT_FALSE(tippDatum("Schau genau hin.").isValid());
    for (const auto& [schluessel, woche] : {std::pair{"WOCHE", true},
                                            {"W20261130", true},
                                            {"W2026113", false},
                                            {"XW20261130", false},
                                            {"W20261130X", false},
                                            {"LIE_", false}})
        EXPECT_EQ(istWochenSchluessel(schluessel), woche) << schluessel;
}
