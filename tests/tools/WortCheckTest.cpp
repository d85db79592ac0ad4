#include "WortCheck.h"
#include "Grundwortschatz.h"
#include "Pruefungen.h"
#include "Wortschatz.h"
#include "support/TempHost.h"

#include <QTemporaryDir>

#include <functional>

#include <gtest/gtest.h>

using namespace zafku::wortcheck;

namespace {

// A small but complete host source folder; each case plants one fault into it.
struct Beispiel {
    QStringList tsp = {"\">>> Gruppe\",\">>>1\"", "\"Langes i\",LIE_", "\"Kurzes i\",LIKU",
                       "\"das oder dass\",DASS"};
    QStringList kmp = {
        "LIE_,\"Schwerpunkte LIKE '%;LIE_;%'\",LIKU,\"Schwerpunkte LIKE "
        "'%;LIKU;%'\",0:0,\"ie:i\",\"Tipp\"",
        "LIKU,\"Schwerpunkte LIKE '%;LIKU;%'\",LIE_,\"Schwerpunkte LIKE "
        "'%;LIE_;%'\",0:0,\"i:ie\",\"Tipp\"",
        "DASS,\"Schwerpunkte LIKE '%;DASS;%' AND Wort = 'dass'\",DASS,"
        "\"Schwerpunkte LIKE '%;DASS;%' AND Wort = 'das'\",0:0,\"dass:das\",\"Tipp\"",
    };
    QStringList woerter = {
        "Biene | die | 1 | Die @ summt. | LIE_:2",
        "Ziege | die | 1 | Die @ frisst Gras. | LIE_:2",
        "Kind | das | 1 | Das @ lacht. | LIKU:2",
        "Fisch | der | 1 | Der @ schwimmt. | LIKU:2",
        "dass | Bindewort | 2 | Ich weiß, @ du lachst. | DASS:1",
        "dass | Bindewort | 2 | Ich hoffe, @ es schneit. | DASS:1",
        "das | Begleiter | 1 | Wir kaufen @ Brot. | DASS:1",
        "das | Begleiter | 1 | Ich sehe @ Haus. | DASS:1",
    };
    QStringList paare = {"# richtig | falsch | Begründung", "das | dass | Satz entscheidet",
                         "dass | das | Satz entscheidet"};
    QStringList geprueft = {"# Schlüssel | Begründung"};
    QStringList wortliste = {"Biene", "Ziege",  "Kind", "Fisch", "das",  "dass",
                             "wider", "wieder", "Eis",  "Lid",   "Wicht"};
    QStringList gws = {"Biene Ziege Kind Fisch das dass Lid Eis wieder"};
    QStringList hilfe = {
        "<body>", "<p>Stiel (Stil), wo ein anderes Wort ergibt, ist nicht als Aufgaben enthalten."};

    void schreibe(const QString& dir) const {
        const auto datei = [&](const QString& name, const QStringList& zeilen) {
            schreibeDatei(dir + '/' + name, (zeilen.join('\n') + '\n').toUtf8());
        };
        datei("Vokra.tsp", tsp);
        datei("kmp/g01.kmp", kmp);
        datei("woerter/g01_a.txt", woerter);
        datei("woerter/erlaubte_paare.txt", paare);
        datei("woerter/gepruefte_befunde.txt", geprueft);
        datei("woerter/grundwortschatz.lst", gws);
        datei("ngerman", wortliste);
        datei("hilfe/Vesk/1001.html", hilfe);
        datei("hilfe/Vesk/1002.html", {});
        datei("hilfe/Vesk/1003.html", {});
    }
};

QString alleFehler(const Beispiel& m) {
    QTemporaryDir dir;
    m.schreibe(dir.path());
    Optionen o;
    o.wortliste = dir.filePath("ngerman");
    o.mindestAufgaben = 4;
    QStringList texte;
    for (const auto& f : pruefeMaterial(dir.path(), o).fehler)
        texte.append(f.toString());
    return texte.join('\n');
}

const char* const wieder = "wieder | Wiewort | 2 | Ich komme @. | LIE_:2";

using Pflanze = std::function<void(Beispiel&)>;

Pflanze ersetze(QStringList Beispiel::*liste, int zeile, const char* alt, const char* neu) {
    return [=](Beispiel& m) { (m.*liste)[zeile].replace(alt, neu); };
}

Pflanze dazu(QStringList Beispiel::*liste, const char* zeile) {
    return [=](Beispiel& m) { (m.*liste).append(zeile); };
}

Pflanze alles(QList<Pflanze> schritte) {
    return [=](Beispiel& m) {
        for (const Pflanze& p : schritte)
            p(m);
    };
}

const auto kmp = &Beispiel::kmp;
const auto woerter = &Beispiel::woerter;
const auto paare = &Beispiel::paare;
const auto hilfe = &Beispiel::hilfe;

struct Fall {
    const char* name;
    Pflanze pflanze;
    const char* erwartet; // "" = no fault
    const char* nicht = nullptr;
};

} // namespace

TEST(WortCheck, FindsPlantedFaults) {
    const Fall faelle[] = {
        {"clean material", [](Beispiel&) {}, ""},
        {"word not in the list", dazu(woerter, "Tiger | der | 1 | Der @ schläft. | LIKU:2"),
         "\"Tiger\" steht nicht in der Wortliste"},
        {"misspelled sentence", ersetze(woerter, 0, "summt.", "summt lautt."), "lehnt \"lautt\""},
        {"two gaps", ersetze(woerter, 0, "summt.", "summt @."), "2 \"@\" statt genau eines"},
        {"wrong filling is a real word", dazu(woerter, wieder),
         "g01_a.txt:9: falsche Füllung \"i\" ergibt das Wort \"wider\" (Übung LIE_)"},
        {"reviewed pair is allowed, but the help must not say such pairs are left out",
         alles({dazu(woerter, wieder), dazu(paare, "wieder | wider | Satz entscheidet")}),
         "Paare aus zwei Wörtern heißen ausgelassen, die Übung hat wieder/wider (Übung LIE_)",
         "falsche Füllung"},
        {"das and dass need their reviewed pair", [](Beispiel& m) { m.paare.removeLast(); },
         "ergibt das Wort \"das\" (Übung DASS)"},
        {"too few tasks", [](Beispiel& m) { m.woerter.removeAt(1); },
         "Übung LIE_ hat 3 Aufgaben statt mindestens 4"},
        {"duplicate word", dazu(woerter, "Biene | die | 2 | Die @ fliegt. | LIE_:2"),
         "\"Biene\" steht schon in"},
        {"marker does not read a spelling", ersetze(woerter, 0, "LIE_:2", "LIE_:3"),
         "Marke LIE_:3 liest keine Schreibung der Übung LIE_,LIKU"},
        {"marker behind the word", ersetze(woerter, 2, "LIKU:2", "LIKU:2 LIKU:9"),
         "Position 9 von LIKU liegt hinter dem Wort \"Kind\""},
        {"unknown marker code", ersetze(woerter, 2, "LIKU:2", "LIKU:2 XXXX:1"),
         "unbekannter Code \"XXXX\""},
        {"small noun", dazu(woerter, "fisch | der | 1 | Der @ springt. | LIKU:2"),
         "Namenwort \"fisch\" ist klein geschrieben"},
        {"category without block", [](Beispiel& m) { m.kmp.removeAt(1); },
         "Kategorie LIKU hat keine Übung"},
        {"criterion rejected", ersetze(kmp, 0, "LIKE '%;LIE_;%'\",LIKU", "LIKE\",LIKU"),
         "g01.kmp:1: Übung LIE_ lädt im Spiel nicht: Das Suchkriterium »Schwerpunkte LIKE«"},
        {"empty spelling", ersetze(kmp, 0, "\"ie:i\"", "\"ie:\""), "leere Schreibung in \"ie:\""},
        {"extra spelling only where the first list's spelling is right",
         ersetze(kmp, 0, "\"ie:i\"", "\"ie:i,ie:ih\""),
         "g01.kmp:1: Übung LIE_: die Auswahl i,ie,ih verrät die Antwort ie (50 % der Ziehungen)"},
        {"reviewed uneven set", dazu(&Beispiel::geprueft, "LIE_ Auswahl i,ie | Grund"),
         "geprüfter Befund \"LIE_ Auswahl i,ie\" tritt nicht auf"},
        {"spot on the second letter of a doubled consonant",
         alles({ersetze(kmp, 0, "\"ie:i\"", "\"ie:i,f:ff\""),
                dazu(woerter, "Stiff | der | 1 | Der @ ist da. | LIE_:5")}),
         "die Lücke von \"Stiff\" ist die Hälfte eines doppelten Mitlauts (Übung LIE_)"},
        {"task of another contrast",
         alles({ersetze(kmp, 0, "\"ie:i\"", "\"ie:i,ei:e\""),
                dazu(woerter, "Eis | das | 1 | Das @ schmilzt. | LIE_:1")}),
         "\"Eis\" übt e/ei statt i/ie (Übung LIE_)"},
        {"spot found by searching the word", ersetze(woerter, 0, "LIE_:2", "LIE_:4"),
         "die Lücke von \"Biene\" an Stelle 2 hat keine Marke der Übung LIE_"},
        {"filling that only the spell checker knows",
         dazu(woerter, "Lid | das | 1 | Das @ zuckt. | LIKU:2"),
         "falsche Füllung \"ie\" ergibt das Wort \"Lied\" (Übung LIE_)"},
        {"sentence shows the gap's spelling in a relative",
         ersetze(woerter, 0, "summt.", "fliegt zum Bienenstock."),
         "der Satz zeigt \"Biene\" aus \"Biene\" (Übung LIE_)"},
        {"noun after den without the dative ending",
         ersetze(woerter, 3, "Der @ schwimmt.", "Den Ziege zeigt sich der @."),
         "nach \"den\" fehlt \"Ziege\" das -n des Dativs"},
        {"context that is no word class", ersetze(woerter, 2, "| das |", "| Dingwort |"),
         "Kontext \"Dingwort\" ist weder Wortart noch Artikel"},
        {"help names a task as left out", ersetze(hilfe, 1, "Stiel", "Kind"),
         "1001.html:2: \"Kind\" heißt ausgelassen, ist aber eine Aufgabe (Übung LIE_)"},
        {"help says all others are written otherwise",
         dazu(hilfe, "<p>Merke: Biene.</p><p>Alle anderen haben i.</p>"),
         "\"Ziege\" fehlt unter den Wörtern vor \"Alle anderen haben i.\"", "Biene"},
        {"tip gives a diphthong as a long vowel",
         ersetze(kmp, 0, "\"Tipp\"", "\"Ist es lang, schreibst du ie: Biene, Eis.\""),
         "g01.kmp:1: \"Eis\" hat einen Zwielaut, keinen langen Selbstlaut (Übung LIE_)", "Biene"},
        {"word outside the basic vocabulary",
         dazu(woerter, "Wicht | der | 1 | Der @ lacht. | LIKU:2"),
         "\"Wicht\" gehört nicht zum Grundwortschatz"},
        {"article against the sentence's article", ersetze(woerter, 3, "Der @", "Die @"),
         "Kontext \"der\" passt nicht zu \"Die @\""},
        {"article against a plural verb", ersetze(woerter, 0, "Die @ summt.", "@ sind da."),
         "Kontext \"die\" passt nicht zu \"@ sind\""},
        {"sentence shows a relative", ersetze(woerter, 2, "lacht.", "hat viele Kinder."),
         "der Satz zeigt mit \"Kinder\" ein verwandtes Wort von \"Kind\""},
        {"text forbids a spelling a task has", dazu(hilfe, "<p>Du schreibst statt i immer ie."),
         "sagt: nie i, aber"},
        {"tip names too few letters before the spelling",
         ersetze(kmp, 0, "\"Tipp\"", "\"Nach l, n und r schreibst du nur ie.\""),
         "nennt nur lnr, die Aufgabe \"Biene\" hat ie nach b"},
        {"a single letter after nach is no list of letters",
         ersetze(kmp, 0, "\"Tipp\"", "\"Nach B schreibst du nur ie.\""), ""},
        {"block split over lines", ersetze(kmp, 0, ",\"Tipp\"", "\n\"Tipp\""), "6 Felder statt 7"},
    };
    for (const Fall& f : faelle) {
        Beispiel m;
        f.pflanze(m);
        const QString alle = alleFehler(m);
        EXPECT_FALSE(f.nicht && alle.contains(QString::fromUtf8(f.nicht))) << f.name;
        EXPECT_TRUE(*f.erwartet ? alle.contains(QString::fromUtf8(f.erwartet)) : alle.isEmpty())
            << f.name << '\n'
            << alle.toStdString();
    }
}

TEST(WortCheck, PronunciationAgainstTheRuleOncePerWord) {
    Beispiel m;
    m.wortliste.append("Tiger");
    m.gws[0] += " Tiger";
    // Tiger is a task of both i exercises; espeak-ng says its i long.
    m.woerter.append("Tiger | der | 1 | Der @ schläft. | LIKU:2");
    const QString text = "espeak-ng spricht in \"Tiger\" langes i statt kurzem";
    EXPECT_EQ(alleFehler(m).count(text), 1);
    m.geprueft.append("Aussprache Tiger | Grund");
    EXPECT_FALSE(alleFehler(m).contains(text));
    m.geprueft.removeLast();
    m.woerter.last() += " | [[t'Ig3]]";
    EXPECT_FALSE(alleFehler(m).contains(text));
}

TEST(WortCheck, WordsBuiltFromTheBasicVocabulary) {
    const Grundwortschatz gws(
        "# Kommentar\nHaus Platz spielen klettern Turm\nKanne gießen ver lieren");
    const std::pair<const char*, bool> faelle[] = {
        {"Haus", true},      {"Häuser", true},    {"Spielplatz", true},  {"spielt", true},
        {"Gießkanne", true}, {"verlieren", true}, {"Kommentar", false},  {"Hase", false},
        {"Platzhaus", true}, {"Plat", false},     {"Kletterturm", true},
    };
    for (const auto& [wort, ja] : faelle)
        EXPECT_EQ(gws.enthaelt(QString::fromUtf8(wort)), ja) << wort;
}

TEST(WortCheck, RelativesShareTheStemPastTheSpot) {
    const std::tuple<const char*, int, const char*, bool> faelle[] = {
        {"Schlüssel", 6, "schließe", true}, {"Kuss", 3, "küssen", true},
        {"Fahrrad", 2, "fährt", true},      {"Delfin", 1, "der", false},
        {"Biene", 2, "Bild", false},        {"Schlüssel", 6, "schlafen", false},
        {"Kuss", 3, "Kuh", false},
    };
    for (const auto& [wort, pos, anderes, ja] : faelle)
        EXPECT_EQ(verwandt(QString::fromUtf8(wort), pos, QString::fromUtf8(anderes)), ja)
            << wort << ' ' << anderes;
}

TEST(WortCheck, SpellCheckerNamesEachRejectedWordOncePerText) {
    QString fehler;
    const auto falsch =
        rechtschreibFehler({"Der Hundx bellt den Hundx an.", "Alles gut.", "Die Katzq"}, fehler);
    ASSERT_TRUE(falsch) << fehler.toStdString();
    EXPECT_EQ(*falsch, QList<QStringList>({{"Hundx"}, {}, {"Katzq"}}));
}
