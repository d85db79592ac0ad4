#include "bericht/GemischteUebung.h"
#include "bericht/Kategorienliste.h"

#include <gtest/gtest.h>

using namespace zafku::bericht;

namespace {

// "Biene 2 ie i ih": the word, its spot, its spelling there and the others offered.
UebungsWort wort(const QString& text) {
    const QStringList t = text.split(u' ');
    return {0, t[0], "LIE_", t[1].toInt(), t[2], t.mid(3)};
}

} // namespace

// A set gives its answer away when all its tasks, in both lists, have the same right answer.
TEST(GemischteUebung, SetsWithOneRightAnswerAreFound) {
    const std::tuple<QStringList, QStringList, QString> faelle[] = {
        {{"Biene 2 ie i ih"}, {}, "i,ie,ih"},
        {{"Biene 2 ie i ih", "Wiese 2 ie i ih"}, {}, "i,ie,ih"},
        {{"Biene 2 ie i ih"}, {"Kino 2 i ie ih"}, ""},
        {{"Biene 2 ie i ih"}, {"Kino 2 i ie"}, "i,ie,ih | i,ie"},
        {{"Straße 5 ß ss", "Wasser 3 ss ß"}, {}, ""},
        {{"Straße 5 ß ss", "Biene 2 ie i"}, {"Kino 2 i ie"}, "ss,ß"},
        {{"Schnecke 6 ck k", "Biene 2 ie i"}, {"Haken 3 k ck", "Tiger 2 i ie"}, ""},
    };
    for (const auto& [woerter, kontrast, verraten] : faelle) {
        Uebung u;
        u.kennung = "WOCHE";
        for (const QString& w : woerter)
            u.woerter.append(wort(w));
        for (const QString& w : kontrast)
            u.kontrast.append(wort(w));
        EXPECT_EQ(verrateneSaetze(u).join(" | ").toStdString(), verraten.toStdString())
            << woerter.join(", ").toStdString();
    }
}

// The block asks list 1 and list 2 by number, both under the exercise's own key.
TEST(GemischteUebung, BlockLineNamesTheWordsOfBothLists) {
    Uebung u;
    u.kennung = "WOCHE";
    u.woerter = {{30000, "Biene", "LIE_", 2, "ie", {"i"}},
                 {30001, "Katze", "TZ__", 3, "tz", {"z"}}};
    u.kontrast = {{12, "Kino", "LIE_", 2, "i", {"ie"}}};
    EXPECT_EQ(
        u.kmpZeile("Tipp").toStdString(),
        R"x("WOCHE","RefNr IN (30000,30001)","WOCHE","RefNr IN (12)","0:0","ie:i,tz:z","Tipp")x");
}

// The group of the words of the week stands first; the places stay those of the file.
TEST(GemischteUebung, WeekGroupStandsFirstInTheCategoryList) {
    const QList<TspEintrag> liste =
        leseTspText("\">>> Laute\",\">>>1\"\r\n\"ie\",LIE_\r\n\">>> Wörter der Woche\",\">>>W\"\r\n"
                    "\"Wörter der Woche\",WOCHE\r\n\"Wörter der Woche 30.11.2026\",W20261130\r\n"
                    "\">>> Andere\",\">>>2\"\r\n\"tz\",TZ__\r\n");
    QStringList text;
    for (const TspEintrag& e : liste)
        text.append(QStringLiteral("%1/%2").arg(e.code).arg(e.katNr));
    EXPECT_EQ(text.join(u' ').toStdString(),
              ">>>W/0 WOCHE/2 W20261130/3 >>>1/0 LIE_/1 >>>2/0 TZ__/4");
}
