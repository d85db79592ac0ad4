// Times loading an exercise and drawing tasks on synthetic spelling databases, with the
// index and with stepping through the record sets, and checks both draw the same tasks.
#include "platform/Windows1252.h"
#include "rdb/KategorienTabelle.h"
#include "rdb/RdbManager.h"
#include "glob/GlobModul.h"
#include "vokradb/DatenbankBau.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>

using namespace zafku;
using Uhr = std::chrono::steady_clock;

namespace {

class MtZufall : public ZufallsZahlen {
  public:
    explicit MtZufall(unsigned start) : gen_(start) {}
    int zufallsZahl(int lo, int hi) override {
        return hi < lo ? lo : std::uniform_int_distribution<int>(lo, hi)(gen_);
    }

  private:
    std::mt19937 gen_;
};

// Each word serves one of ten categories, so an exercise's two lists hold about a
// tenth of the words each; a few marker rows miss their spot.
void baueHost(const QString& dir, int anzahl) {
    const QStringList codes = {"LIE_", "LIKU", "LIIH", "DHA_", "DKLL",
                               "CK__", "SS__", "AEAE", "VF__", "EIAI"};
    const QStringList silben = {"ba", "ko", "ner", "ta", "lu", "mo", "sel", "ra"};
    std::mt19937 gen(1);
    QList<material::WortEintrag> woerter;
    for (int i = 0; i < anzahl; ++i) {
        material::WortEintrag w;
        const int c = int(gen() % codes.size());
        const QString kern = c == 1 ? QStringLiteral("i") : QStringLiteral("ie");
        w.wort = silben[int(gen() % 8)] + kern + silben[int(gen() % 8)] + silben[int(gen() % 8)];
        w.kontext = QStringLiteral("die");
        w.komplexInd = 1 + int(gen() % 5);
        w.satz = QStringLiteral("Das @ ist ein Wort.");
        const int pos = gen() % 10 == 0 ? 1 : 3;
        w.marken = {{codes[c], pos}};
        woerter.append(w);
    }
    // RefNr is a 16-bit number: beyond 30000 words numbers repeat, and a word then also
    // sees the marker rows of its namesakes.
    material::schreibeDatenbank(kategorienTabelle(), woerter, dir + QStringLiteral("/Vokra-D.mdb"),
                                30000);
    QFile kmp(dir + QStringLiteral("/Vokra.kmp"));
    kmp.open(QIODevice::WriteOnly);
    kmp.write(encodeWindows1252(
        "LIE_,\"Schwerpunkte LIKE '%;LIE_;%'\",LIKU,\"Schwerpunkte LIKE '%;LIKU;%'\",0:0,"
        "\"ie:i,ie:ih\",\"Tipp\"\r\n"));
}

double ms(Uhr::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}
double us(Uhr::duration d) {
    return std::chrono::duration<double, std::micro>(d).count();
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

double perzentil99(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, v.size() * 99 / 100)];
}

double laden(RdbManager& rdb, const QString& dir) {
    const auto start = Uhr::now();
    rdb.openRdb(dir);
    rdb.loadKategorie(QStringLiteral("LIE_"));
    return ms(Uhr::now() - start);
}

struct Zuege {
    std::vector<double> zeiten;
    QStringList ergebnisse;
};

Zuege ziehe(RdbManager& rdb, int anzahl) {
    Zuege z;
    for (int i = 0; i < anzahl; ++i) {
        const auto start = Uhr::now();
        const QString liste = rdb.getNextAufgabe();
        z.zeiten.push_back(us(Uhr::now() - start));
        z.ergebnisse
            << QStringLiteral("%1 %2 %3").arg(liste, rdb.aufgabe.aktWort).arg(rdb.aufgabenPos);
    }
    return z;
}

void zeile(const char* name, int woerter, double wert, const char* einheit) {
    std::printf("%s_%d: %.2f %s\n", name, woerter, wert, einheit);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    for (const int woerter : {1000, 10000, 100000}) {
        QTemporaryDir dir;
        baueHost(dir.path(), woerter);

        std::vector<double> ladeIndex, ladeSchritte;
        for (int i = 0; i < 5; ++i) {
            MtZufall zufall(1);
            RdbManager rdb(zufall, Suchart::Index);
            ladeIndex.push_back(laden(rdb, dir.path()));
        }
        for (int i = 0; i < 3; ++i) {
            MtZufall zufall(1);
            RdbManager rdb(zufall, Suchart::Schritte);
            ladeSchritte.push_back(laden(rdb, dir.path()));
        }

        MtZufall zufallIndex(5), zufallSchritte(5);
        RdbManager index(zufallIndex, Suchart::Index), schritte(zufallSchritte, Suchart::Schritte);
        laden(index, dir.path());
        laden(schritte, dir.path());
        const int vergleich = woerter >= 100000 ? 200 : 1000;
        const Zuege zIndex = ziehe(index, 20000);
        const Zuege zSchritte = ziehe(schritte, vergleich);
        const bool gleich = zIndex.ergebnisse.mid(0, vergleich) == zSchritte.ergebnisse;

        zeile("aufgaben", woerter, index.kategorie.anzahl1 + index.kategorie.anzahl2, "Aufgaben");
        zeile("laden_index", woerter, median(ladeIndex), "ms");
        zeile("laden_schritte", woerter, median(ladeSchritte), "ms");
        zeile("laden_verhaeltnis", woerter, median(ladeSchritte) / median(ladeIndex), "x");
        zeile("zug_index_median", woerter, median(zIndex.zeiten), "us");
        zeile("zug_index_p99", woerter, perzentil99(zIndex.zeiten), "us");
        zeile("zug_schritte_median", woerter, median(zSchritte.zeiten), "us");
        zeile("zug_schritte_p99", woerter, perzentil99(zSchritte.zeiten), "us");
        zeile("zug_verhaeltnis_median", woerter, median(zSchritte.zeiten) / median(zIndex.zeiten),
              "x");
        zeile("gleiche_zuege", woerter, gleich ? 1 : 0, "(1 = ja)");
        if (!gleich)
            return 1;
    }
    return 0;
}
