// The spelling database's content from any bytes: random rows of words, marked spots and
// sentences in a real SQLite file, loaded once through the index and once by stepping
// through the record sets. Both give the same counts, the same draws and the same fault,
// and every fault is a German message.
#include "FuzzHilfe.h"

#include "glob/GlobModul.h"
#include "platform/LaufzeitFehler.h"
#include "platform/SqliteDatabase.h"
#include "rdb/RdbManager.h"
#include "support/TestZufall.h"

#include <QVariant>

using namespace zafku;

namespace {

struct Eingabe {
    const uint8_t* data;
    size_t size;
    int byte() {
        if (size == 0)
            return 0;
        --size;
        return *data++;
    }
    template <typename T> T wahl(std::initializer_list<T> werte) {
        return werte.begin()[byte() % werte.size()];
    }
};

QString wort(Eingabe& e) {
    static const char* const teile[] = {"ie", "i", "ih", "ei", "a", "e",
                                        "B",  "b", "t",  "IE", "ß", "ck"};
    QString w;
    for (int t = e.byte() % 5; t > 0; --t)
        w += QString::fromUtf8(teile[e.byte() % std::size(teile)]);
    return w;
}

void schreibeDatenbank(const QString& pfad, Eingabe& e) {
    QFile::remove(pfad);
    const SqliteDatabase db(pfad, SqliteDatabase::Zugriff::Schreiben);
    db.exec(QStringLiteral("CREATE TABLE WortListe(RefNr INTEGER, Wort TEXT, Kontext TEXT, "
                           "KomplexInd INTEGER, Schwerpunkte TEXT)"));
    db.exec(
        QStringLiteral("CREATE TABLE LupenStellen(RefNr INTEGER, Vesk INTEGER, vonPos INTEGER)"));
    db.exec(QStringLiteral("CREATE TABLE SemSynt(RefNr INTEGER, SatzKontext TEXT)"));
    db.exec(QStringLiteral("BEGIN"));
    SqliteStatement w = db.prepare(QStringLiteral("INSERT INTO WortListe VALUES(?1,?2,?3,?4,?5)"));
    SqliteStatement l = db.prepare(QStringLiteral("INSERT INTO LupenStellen VALUES(?1,?2,?3)"));
    SqliteStatement s = db.prepare(QStringLiteral("INSERT INTO SemSynt VALUES(?1,?2)"));
    const int anzahl = 1 + e.byte() % 40;
    for (int i = 1; i <= anzahl && e.size > 0; ++i) {
        const QString text = wort(e);
        const QVariant refNr = e.wahl<QVariant>(
            {i, i, i, QString::number(i), QVariant(), i + 0.5, i + 65536, e.byte()});
        w.reset();
        w.bind(1, refNr);
        w.bind(2, e.byte() % 16 ? QVariant(text) : QVariant());
        w.bind(3, e.wahl<QVariant>({QStringLiteral("die"), QVariant(), 7}));
        w.bind(4, e.wahl<QVariant>({1, 2, 3, 5, 0, -1, 70000, QVariant(), QStringLiteral("x")}));
        w.bind(5, e.wahl<QVariant>({QStringLiteral(";LIE_;"), QStringLiteral(";LIKU;LIIH;"),
                                    QStringLiteral(";EIIE;"), QStringLiteral(""), QVariant()}));
        w.step();
        for (int m = e.byte() % 3; m > 0; --m) {
            const int vesk = e.wahl<int>({1, 2, 3, 4, 5, 52, 0, 70000});
            const int pos = int(text.indexOf(QStringLiteral("ie"))) + 1;
            l.reset();
            l.bind(1, e.wahl<QVariant>({refNr, refNr, i + 1, QVariant(), QStringLiteral("abc")}));
            l.bind(2, vesk);
            l.bind(3, e.wahl<QVariant>({pos, pos, pos + 1, 0, -3, QVariant(), 70000, pos + 0.5}));
            l.step();
        }
        if (e.byte() % 4) {
            s.reset();
            s.bind(1, refNr);
            s.bind(2, e.wahl<QVariant>(
                          {QStringLiteral("Ein @ hier."), QStringLiteral("ohne"), QVariant()}));
            s.step();
        }
    }
    db.exec(QStringLiteral("COMMIT"));
    if (e.byte() % 2)
        db.exec(QStringLiteral("CREATE INDEX LupenStellenRefNr ON LupenStellen(RefNr)"));
}

struct Lauf {
    QString fehler;
    int anzahl1 = -1, anzahl2 = -1;
    QList<std::tuple<QString, int, qint64, Aufgabe>> zuege;
};

Lauf spiele(const FuzzHost& host, Suchart art, const QString& uebung, quint32 start) {
    Lauf lauf;
    FolgeZufall zufall(start);
    RdbManager rdb(zufall, art);
    try {
        rdb.openRdb(host.path());
        rdb.loadKategorie(uebung);
        lauf.anzahl1 = rdb.kategorie.anzahl1;
        lauf.anzahl2 = rdb.kategorie.anzahl2;
        for (int zug = 0; zug < 12; ++zug) {
            const QString liste = rdb.getNextAufgabe();
            lauf.zuege.append({liste, rdb.aufgabenPos, rdb.dbWort->rowid(), rdb.aufgabe});
        }
    } catch (const LaufzeitFehler& f) {
        lauf.fehler = f.text();
    }
    return lauf;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const FuzzHost host;
    static const bool bereit = [] {
        host.write(QStringLiteral("Vokra.kmp"),
                   "LIE_,\"Schwerpunkte LIKE '%;LIE_;%'\",\"LIKU,LIIH\",\"Schwerpunkte LIKE "
                   "'%;LIKU;%' OR Schwerpunkte LIKE '%;LIIH;%'\",0:0,\"ie:i,ie:ih,ih:ie\",T\r\n"
                   "LIIH,\"KomplexInd <= 3\",LIE_,\"KomplexInd >= 2\",*1:-1,\"B:b,ie:I,i:ie\",T\r\n"
                   "EIIE,\"1\",EIIE,\"RefNr % 7 = 0\",1:*2,\"ei:ie,:e\",T\r\n"
                   "LIKU,\"RefNr < 5\",LIKU,\"0\",0:0,\"ie:i\",T\r\n");
        return true;
    }();
    (void)bereit;
    Eingabe e{data, size};
    const QString uebung = e.wahl<QString>({QStringLiteral("LIE_"), QStringLiteral("LIIH"),
                                            QStringLiteral("EIIE"), QStringLiteral("LIKU")});
    const quint32 start = quint32(e.byte());
    try {
        schreibeDatenbank(host.file(QStringLiteral("Vokra-D.mdb")), e);
    } catch (const LaufzeitFehler&) {
        std::abort(); // the rows above are always writable
    }
    const Lauf index = spiele(host, Suchart::Index, uebung, start);
    const Lauf schritte = spiele(host, Suchart::Schritte, uebung, start);
    PRUEFE(index.fehler == schritte.fehler, "the same fault");
    PRUEFE(index.anzahl1 == schritte.anzahl1 && index.anzahl2 == schritte.anzahl2, "same counts");
    PRUEFE(index.zuege == schritte.zuege, "same draws");
    for (const char* fremd : {"SELECT", "no such", "malformed", "datatype", "constraint", "error"})
        PRUEFE(!index.fehler.contains(QLatin1String(fremd), Qt::CaseInsensitive),
               "faults in German");
    return 0;
}
