#include "bericht/Bericht.h"
#include "bericht/BerichtHtml.h"
#include "bericht/Deutung.h"
#include "bericht/KarteiListe.h"
#include "bericht/Lehrmaterial.h"
#include "bericht/Protokoll.h"
#include "kartei/SqliteKarteiSpeicher.h"
#include "support/Bildvergleich.h"
#include "support/DemoWort.h"
#include "support/TempHost.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace zafku;
using namespace zafku::bericht;

namespace {

const QString kHost = QStringLiteral(ZAFKU_HOST_DIR);

// Where a word written wrongly went wrong, as the report explains it.
std::optional<Deutung> beste(Lehrmaterial& m, const QString& wort, const QString& geschrieben) {
    const Wort* w = m.wort(refNr(wort));
    if (!w)
        return std::nullopt;
    const QList<Deutung> d = deutungen(m.uebungen(), *w, geschrieben);
    return d.isEmpty() ? std::nullopt : std::optional(d.first());
}

class BerichtTest : public ::testing::Test {
  protected:
    void SetUp() override {
        for (const char* datei : {"Vokra-D.mdb", "Vokra.tsp", "Vokra.kmp"})
            host_.writeBytes(datei, leseDatei(kHost + "/" + datei));
    }
    QString zeile(const char* wort, const char* ergebnis) const {
        return QString::number(refNr(QString::fromUtf8(wort))) + "= " + QString::fromUtf8(ergebnis);
    }
    // The report page as stored beside the test, the temporary folder named alike.
    ::testing::AssertionResult seite(const Bericht& b, const QDate& tag, const char* name) const {
        return stehtWie(berichtHtml(b, QDateTime(tag, QTime(9, 30))).replace(host_.path(), "HOST"),
                        QString::fromUtf8(name));
    }
    TempHost host_;
};

// Each child as "Tim 4/3 0 LIE_ 1/1 ie → i 1": answers/right unusable, then each category.
QString kurz(const QList<KindBericht>& kinder) {
    QStringList teile;
    for (const KindBericht& k : kinder) {
        QString t = QStringLiteral("%1 %2/%3 ").arg(k.name).arg(k.antworten).arg(k.richtig);
        t += QString::number(k.unbrauchbarAnzahl);
        for (const Bereich& b : k.bereiche) {
            t += QStringLiteral(" %1 %2/%3").arg(b.code).arg(b.richtig).arg(b.falsch);
            for (auto v = b.verwechslungen.begin(); v != b.verwechslungen.end(); ++v)
                t += QStringLiteral(" %1 %2").arg(v.key()).arg(v.value());
        }
        teile.append(t);
    }
    return teile.join(" | ");
}

} // namespace

TEST(Deutung, FindsTheConfusedSpotOnTheDemoMaterial) {
    Lehrmaterial material(kHost);
    const struct {
        const char* wort;
        const char* geschrieben;
        const char* kategorie;
        const char* verwechslung;
    } faelle[] = {
        {"Biene", "Bine", "LIE_", "ie → i"},
        {"Kind", "Kiend", "LIKU", "i → ie"},
        {"Zucker", "Zuker", "CK__", "ck → k"}, // two letters, one left
        {"Straße", "Strasse", "SZ__", "ß → ss"},
        {"Vogel", "Fogel", "VF__", "V → F"}, // the gap at the first letter
        {"Biene", "biene", "GK1M", "B → b"}, // capitals
        {"Ohr", "ohr", "GK1M", "O → o"},     // not the long vowel's spot, which also fits
        {"spielen", "Spielen", "GK2M", "s → S"},
        {"das", "dass", "DASS", "das → dass"}, // a task of the second list
    };
    for (const auto& f : faelle) {
        const auto d = beste(material, QString::fromUtf8(f.wort), QString::fromUtf8(f.geschrieben));
        ASSERT_TRUE(d) << f.wort;
        EXPECT_EQ(d->kategorie, f.kategorie) << f.geschrieben;
        EXPECT_EQ(verwechslungsText(d->richtig, d->geschrieben), QString::fromUtf8(f.verwechslung))
            << f.geschrieben;
    }
    EXPECT_LT(0, material.markenAnzahl("DASS"));
    EXPECT_LT(material.markenAnzahl("DASS"), material.markenAnzahl("LIE_")) << "a rarer spot";
    EXPECT_EQ(material.uebungen()[beste(material, "Biene", "Bine")->uebung].kmpKennung, "LIE_")
        << "its own exercise, not one that asks for it in its second list";
    // A change away from every marked spot is left to the plain comparison.
    for (const char* geschrieben : {"Biena", "Kine"})
        EXPECT_FALSE(beste(material, "Biene", geschrieben)) << geschrieben;
    for (const auto& [geschrieben, text] : {std::pair{"Biena", "e → a"}, {"Bieme", "n → m"}}) {
        const Deutung d = unterschied("Biene", geschrieben);
        EXPECT_EQ(verwechslungsText(d.richtig, d.geschrieben), QString::fromUtf8(text));
    }
}

// Unsure: at least two wrong answers, and at least a third of them.
TEST(Unsicher, TwoWrongAnswersMakingUpAThird) {
    for (const auto& [richtig, falsch, ja] :
         {std::tuple{4, 2, true}, {5, 2, false}, {0, 1, false}}) {
        Bereich b;
        b.richtig = richtig;
        b.falsch = falsch;
        EXPECT_EQ(unsicher(b), ja) << richtig << "/" << falsch;
    }
}

TEST(Protokoll, ReadsOnlyLinesTheGameWrites) {
    // What a line says as "word number, right?"; "" for a line that is not the game's.
    const std::pair<const char*, const char*> faelle[] = {
        {"57= OK", "57 1"}, {"57= Strasse", "57 0"}, {"-3= OK", "-3 1"},
        {"57=OK", ""},      {"x7= OK", ""},          {"57= ", ""},
        {"-32769= OK", ""}, {"32768= OK", ""},       {" 57= OK", ""},
        {"", ""},
    };
    for (const auto& [zeile, erwartet] : faelle) {
        const auto a = leseZeile(zeile);
        EXPECT_EQ(a ? QStringLiteral("%1 %2").arg(a->refNr).arg(a->ok) : "", erwartet) << zeile;
    }
    EXPECT_EQ(leseProtokoll("12= Stra\xDF\x65\r\n\r\n7= OK\n").zeilen.size(), 2);
    EXPECT_EQ(leseProtokoll(QByteArray("\xFF\xFE\x31\0=\0", 6)).fremdeKodierung, "UTF-16");
    EXPECT_EQ(leseProtokoll(QByteArray("\x31\0=\0", 4)).fremdeKodierung, "UTF-16") << "no mark";
    EXPECT_EQ(leseProtokoll("12= OK\r\n").fremdeKodierung, "");
}

TEST_F(BerichtTest, CountsAnswersAndConfusionsPerChildAndForTheGroup) {
    host_.writeHostFile("User/anna01.tmp",
                        {zeile("Biene", "OK"), zeile("Biene", "Bine"), "kaputt",
                         zeile("Biene", "Bine"), zeile("Tier", "Tir"), "30999= OK",
                         zeile("Kind", "OK"), zeile("Zucker", "Zuker")});
    host_.writeHostFile("User/tim02.tmp", {zeile("Biene", "OK"), zeile("Tier", "OK"),
                                           zeile("Wiese", "Wise"), zeile("Kind", "OK")});
    host_.writeBytes("User/ben04.tmp", {}); // created, never played
    // Straße was asked for st/sp, as the mistake on Sport next to it shows.
    host_.writeHostFile("User/ole05.tmp", {zeile("Straße", "OK"), zeile("Sport", "Schport")});
    host_.writeBytes("User/lea03.tmp", (zeile("Fluss", "Fluß") + "\r\n").toUtf8());
    const Bericht b = erstelleBericht(host_.path(), {{"anna01", "Anna Sommer"}});

    EXPECT_EQ(kurz(b.kinder).toStdString(),
              "Anna Sommer 6/2 2 LIE_ 1/3 ie → i 3 CK__ 0/1 ck → k 1 LIKU 1/0 | lea03 0/0 1 | "
              "ole05 2/1 0 STSP 1/1 S → Sch 1 | tim02 4/3 0 LIE_ 2/1 ie → i 1 LIKU 1/0");
    ASSERT_EQ(b.schwierig.size(), 1);
    EXPECT_EQ(b.schwierig[0].code + ": " + b.schwierig[0].kinder.join(", "), "LIE_: Anna Sommer");
    EXPECT_EQ(b.zuerstHelfen, (QList<int>{0, 2, 3}));

    EXPECT_TRUE(seite(b, QDate(2026, 3, 2), "gruppe.html"));
}

TEST_F(BerichtTest, NamesFilesItCannotReadAndBoundsWhatItReads) {
    const QString user = host_.file("User");
    host_.writeBytes("User/anna.tmp", (zeile("Biene", "OK") + "\r\n" + QString(5000, 'x') + "\r\n" +
                                       zeile("Biene", "Bine") + "\r\n")
                                          .toLatin1());
    // More than is ever read; the cut line is not counted.
    host_.writeBytes("User/gross.tmp", (zeile("Biene", "OK") + "\r\n").toLatin1() +
                                           QByteArray(kMaxProtokollBytes + 10, 'y'));
    // A name the host wrote in Windows-1252.
    const QByteArray roh = QFile::encodeName(user) + "/M\xFCller.tmp";
    FILE* f = fopen(roh.constData(), "w");
    ASSERT_TRUE(f && fputs((zeile("Biene", "OK") + "\r\n").toLatin1().constData(), f) >= 0 &&
                fclose(f) == 0);
    QFile::link("/dev/null", user + "/geraet.tmp");
    host_.writeHostFile("User/viel.tmp", QStringList(maxGenannt + 2, "kaputt"));
    const Bericht b = erstelleBericht(host_.path());

    EXPECT_EQ(kurz(b.kinder).toStdString(),
              "anna 2/1 1 LIE_ 1/1 ie → i 1 | geraet 0/0 0 | gross 1/1 0 "
              "LIE_ 1/0 | Müller 1/1 0 LIE_ 1/0 | viel 0/0 22");
    ASSERT_EQ(b.kinder.size(), 5);
    const KindBericht& anna = b.kinder[0];
    ASSERT_EQ(anna.unbrauchbar.size(), 1);
    EXPECT_EQ(anna.unbrauchbar[0].zeile, 2);
    EXPECT_LT(anna.unbrauchbar[0].text.size(), 120);
    EXPECT_TRUE(anna.unbrauchbar[0].text.contains("4920 weitere Zeichen"));
    EXPECT_TRUE(b.kinder[2].hinweise.value(0).contains("größer als 4 MB"));
    EXPECT_EQ(b.kinder[3].datei, "Müller");
    EXPECT_TRUE(b.kinder[3].hinweise.value(0).contains("nicht in UTF-8"));

    EXPECT_EQ(b.zuerstHelfen, (QList<int>{0, 2, 3})) << "one answer is enough";
    EXPECT_TRUE(seite(b, QDate(2026, 3, 2), "unlesbar.html"));
}

// Friday's answers fill the box; on Tuesday only this week's are reported, with the box.
TEST_F(BerichtTest, ShowsEachChildsBoxAndOnlyThisWeeksAnswers) {
    kartei::SqliteKarteiSpeicher speicher(host_.file("User/Wortkartei.db"));
    const QDate dienstag(2026, 12, 8);
    host_.writeHostFile("User/anna.tmp",
                        {zeile("Biene", "Bine"), zeile("Tier", "Tir"), zeile("Kind", "OK")});
    erstelleBericht(host_.path(), {}, {&speicher, dienstag.addDays(-4)});
    host_.writeBytes(
        "User/anna.tmp",
        host_.readBytes("User/anna.tmp") +
            (zeile("Biene", "OK") + "\r\n" + zeile("Zucker", "Zuker") + "\r\n").toLatin1());
    const Bericht b = erstelleBericht(host_.path(), {}, {&speicher, dienstag, true});

    EXPECT_EQ(b.ab, QDate(2026, 12, 7));
    EXPECT_EQ(kurz(b.kinder).toStdString(), "anna 2/1 0 CK__ 0/1 ck → k 1 LIE_ 1/0");
    EXPECT_TRUE(seite(b, dienstag, "woche.html"));

    Lehrmaterial material(host_.path());
    auto karteien = speicher.alle();
    karteien["Zoe"] = karteien["anna"]; // after anna: German order, whatever the case
    const QString anna =
        QStringLiteral("anna\t%1\tBiene\t2\t2026-12-10\nanna\t%2\tTier\t1\t2026-12-05\n"
                       "anna\t%3\tZucker\t1\t2026-12-09\n")
            .arg(refNr("Biene"))
            .arg(refNr("Tier"))
            .arg(refNr("Zucker"));
    EXPECT_EQ(karteiListe(karteien, material), anna + QString(anna).replace("anna", "Zoe"));
}
