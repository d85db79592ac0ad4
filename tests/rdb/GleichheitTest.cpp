#include "RdbTestHost.h"

#include "platform/SqliteDatabase.h"
#include "rdb/RdbManager.h"

#include <random>

using namespace zafku;

namespace {

const QStringList codes = {"LIE_", "LIKU", "LIIH", "EIIE"};

// Words of spelling fragments with marker rows that sometimes miss their spot.
QStringList erzeugeWoerter(int anzahl) {
    const QStringList teile = {"ie", "i", "ih", "ei", "a", "e", "o", "B", "b", "t", "l", "IE", "n"};
    std::mt19937 zufall(7);
    QStringList zeilen;
    for (int i = 0; i < anzahl; ++i) {
        QString wort;
        for (int t = 0; t < 2 + int(zufall() % 4); ++t)
            wort += teile[int(zufall() % teile.size())];
        QStringList marken;
        for (int m = 0; m < int(zufall() % 3); ++m) {
            const QString code = codes[int(zufall() % codes.size())];
            const qsizetype stelle = wort.indexOf(code == "LIKU" ? "i" : "ie");
            const int pos =
                stelle >= 0 && zufall() % 4 ? int(stelle) + 1 : 1 + int(zufall() % wort.size());
            marken << QString("%1:%2").arg(code).arg(pos);
        }
        zeilen << QString("%1 | k | %2 | Satz %3 @. | %4")
                      .arg(wort, QString::number(1 + zufall() % 5), QString::number(i),
                           marken.join(' '));
    }
    return zeilen;
}

// Odd marker rows (foreign RefNr, Null, out of range, duplicates) each marking the last ie or i,
// so a row joined to the wrong word moves its spot; typ decides how a find compares RefNr.
void ungewoehnlicheMarken(const QString& datei, const QString& typ, const QStringList& zeilen) {
    const SqliteDatabase db(datei, SqliteDatabase::Zugriff::Schreiben);
    db.exec(QString("CREATE TABLE L(RefNr %1, Vesk %1, vonPos %1)").arg(typ));
    db.exec("INSERT INTO L SELECT * FROM LupenStellen ORDER BY rowid");
    db.exec("DROP TABLE LupenStellen");
    db.exec("ALTER TABLE L RENAME TO LupenStellen");
    db.exec("CREATE INDEX LupenStellenRefNr ON LupenStellen(RefNr)");
    db.exec("INSERT INTO LupenStellen SELECT * FROM LupenStellen WHERE rowid % 13 = 0");
    std::mt19937 zufall(5);
    const auto wahl = [&](const QList<QVariant>& werte) {
        return werte[int(zufall() % werte.size())];
    };
    db.exec("BEGIN");
    SqliteStatement neu = db.prepare("INSERT INTO LupenStellen VALUES(?1, ?2, ?3)");
    for (int i = 0; i < 600; ++i) {
        const int r = 1 + int(zufall() % zeilen.size());
        const QString wort = zeilen[r - 1].section(" | ", 0, 0);
        const QString code = codes[int(zufall() % codes.size())];
        const int vesk = getKategorieNr(code);
        const int pos = int(wort.lastIndexOf(code == "LIKU" ? "i" : "ie")) + 1;
        const QVariant refNr = wahl({r, QString::number(r), "0" + QString::number(r), r + 0.0,
                                     r + 0.5, r + 65536, 5000 + i, QVariant(), "abc"});
        const QVariant veskWert =
            wahl({vesk, vesk, vesk + 0.0, QString::number(vesk), QVariant(), 65536 + vesk, "x"});
        const QVariant vonPos = wahl(
            {pos, pos, pos + 1, 0, -3, QVariant(), pos + 65536, pos + 0.5, QString::number(pos)});
        neu.reset();
        int feld = 0;
        for (const QVariant& wert : {refNr, veskWert, vonPos})
            neu.bind(++feld, wert);
        neu.step();
    }
    db.exec("COMMIT");
}

struct Stand {
    bool ergebnis;
    QString liste;
    int pos;
    qint64 rowid;
    Aufgabe aufgabe;
    bool operator==(const Stand&) const = default;
};

Stand stand(const RdbManager& rdb, bool ergebnis, const QString& liste) {
    return {ergebnis, liste, rdb.aufgabenPos, rdb.dbWort->rowid(), rdb.aufgabe};
}

const QStringList uebungen = {
    R"(LIE_,"Schwerpunkte LIKE '%;LIE_;%'","LIKU,LIIH","Schwerpunkte LIKE '%;LIKU;%' OR Schwerpunkte LIKE '%;LIIH;%'",0:0,"ie:i,ie:ih,ih:ie",T)",
    R"(LIIH,"KomplexInd <= 3",LIE_,"KomplexInd >= 2",*1:-1,"B:b,ie:I,i:ie",T)",
    R"(EIIE,"1",EIIE,"RefNr % 7 = 0 AND RefNr < 300",1:*2,"ei:ie,:e",T)",
    R"(LEER,"RefNr < 50",LIKU,"0",0:0,"ie:i",T)"};

// Exercise and the column type of the marker table.
class Gleichheit : public ::testing::TestWithParam<std::tuple<const char*, const char*>> {};

} // namespace

TEST_P(Gleichheit, IndexGivesTheTasksOfStepping) {
    const auto [uebung, typ] = GetParam();
    RdbTestHost host;
    const QStringList woerter = erzeugeWoerter(800);
    host.woerter(woerter);
    host.kmp(uebungen);
    ungewoehnlicheMarken(host.file("Vokra-D.mdb"), typ, woerter);
    FolgeZufall zufallIndex(11), zufallSchritte(11);
    RdbManager index(zufallIndex, Suchart::Index), schritte(zufallSchritte, Suchart::Schritte);
    for (RdbManager* rdb : {&index, &schritte}) {
        rdb->openRdb(host.path());
        rdb->loadKategorie(uebung);
    }
    EXPECT_EQ(index.kategorie.anzahl1, schritte.kategorie.anzahl1);
    EXPECT_EQ(index.kategorie.anzahl2, schritte.kategorie.anzahl2);
    EXPECT_EQ(stand(index, true, ""), stand(schritte, true, ""));
    EXPECT_GT(index.kategorie.anzahl1, 3);
    for (int zug = 0; zug < 300; ++zug) {
        const QString liste = index.getNextAufgabe();
        ASSERT_EQ(stand(index, true, liste), stand(schritte, true, schritte.getNextAufgabe()))
            << "draw " << zug;
    }
    // Positioning directly, also to positions no draw asks for.
    std::mt19937 zufall(3);
    for (int schritt = 0; schritt < 150; ++schritt) {
        const bool liste2 = zufall() % 2;
        const int anzahl = liste2 ? index.kategorie.anzahl2 : index.kategorie.anzahl1;
        const int n = -1 + int(zufall() % (anzahl + 4));
        if (zufall() % 5 == 0)
            index.aufgabenPos = schritte.aufgabenPos = 25000;
        const bool ergebnis = index.gotoAufgabe(n, liste2);
        ASSERT_EQ(stand(index, ergebnis, ""), stand(schritte, schritte.gotoAufgabe(n, liste2), ""))
            << "step " << schritt << " n " << n;
    }
}

INSTANTIATE_TEST_SUITE_P(Uebungen, Gleichheit,
                         ::testing::Combine(::testing::Values("LIE_", "LIIH", "EIIE", "LEER"),
                                            ::testing::Values("INTEGER", "TEXT", "")));
