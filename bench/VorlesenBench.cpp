// Times reading aloud over the demo material: synthesis of each word and each sentence,
// the time from F5 to the first samples handed to the audio output, and the longest
// pause of the user-interface thread while speech goes on.
#include "platform/SqliteDatabase.h"
#include "speech/EspeakSprache.h"
#include "speech/EspeakStimme.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace zafku;

namespace {

struct Aufgabe {
    QString wort, satz;
};

std::vector<Aufgabe> demoAufgaben(const QString& host) {
    SqliteDatabase db(host + QStringLiteral("/Vokra-D.mdb"));
    SqliteStatement abfrage = db.prepare(QStringLiteral(
        "SELECT w.Wort, s.SatzKontext FROM WortListe w JOIN SemSynt s ON s.RefNr = w.RefNr"));
    std::vector<Aufgabe> aufgaben;
    while (abfrage.step()) {
        const QString wort = abfrage.value(0).toString();
        aufgaben.push_back({wort, abfrage.value(1).toString().replace(u'@', wort)});
    }
    return aufgaben;
}

double perzentil(std::vector<double> v, int p) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[std::min(v.size() - 1, v.size() * p / 100)];
}

void melde(const char* name, const std::vector<double>& ms) {
    std::printf("%s_median: %.1f ms\n", name, perzentil(ms, 50));
    std::printf("%s_p99: %.1f ms\n", name, perzentil(ms, 99));
}

double synthese(EspeakStimme& stimme, const QString& text, qint64& proben) {
    QElapsedTimer uhr;
    uhr.start();
    stimme.synthetisiere(text, [&](const short*, int anzahl) {
        proben += anzahl;
        return true;
    });
    return uhr.nsecsElapsed() / 1e6;
}

// Stands for the game window: F5 reads the task, as there.
class Fenster : public QWidget {
  public:
    Fenster(Sprachausgabe& sprache) : sprache_(sprache) {}
    Aufgabe aufgabe;

  protected:
    void keyPressEvent(QKeyEvent* taste) override {
        if (taste->key() == Qt::Key_F5)
            sprache_.sprich({aufgabe.wort, aufgabe.satz});
    }

  private:
    Sprachausgabe& sprache_;
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: vorlesen_bench <demo host folder>\n");
        return 2;
    }
    const std::vector<Aufgabe> aufgaben = demoAufgaben(QString::fromLocal8Bit(argv[1]));
    std::vector<double> woerter, saetze;
    qint64 wortProben = 0, satzProben = 0;
    int rate = 0;
    {
        EspeakStimme stimme;
        if (!stimme.bereit()) {
            std::fprintf(stderr, "espeak-ng's German voice is missing\n");
            return 1;
        }
        rate = stimme.abtastrate();
        for (const Aufgabe& a : aufgaben) {
            woerter.push_back(synthese(stimme, a.wort, wortProben));
            saetze.push_back(synthese(stimme, a.satz, satzProben));
        }
    }
    std::printf("vorlesen_aufgaben: %zu\n", aufgaben.size());
    std::printf("vorlesen_gesprochen_wort_mittel: %.0f ms\n",
                1000.0 * wortProben / rate / aufgaben.size());
    std::printf("vorlesen_gesprochen_satz_mittel: %.0f ms\n",
                1000.0 * satzProben / rate / aufgaben.size());
    melde("vorlesen_synthese_wort", woerter);
    melde("vorlesen_synthese_satz", saetze);

    EspeakSprache sprache;
    Fenster fenster(sprache);
    QElapsedTimer uhr;
    std::vector<double> ersteProbe;
    QObject::connect(&sprache, &EspeakSprache::ersteProbenAbgegeben,
                     [&] { ersteProbe.push_back(uhr.nsecsElapsed() / 1e6); });
    // A timer that should fire every millisecond notes how long the thread was held up,
    // first in silence (what the busy machine costs), then while speaking.
    QElapsedTimer tick;
    double luecke[2] = {0, 0};
    int gedrueckt = 0;
    QTimer puls;
    QObject::connect(&puls, &QTimer::timeout, [&] {
        double& l = luecke[gedrueckt > 0];
        l = std::max(l, tick.nsecsElapsed() / 1e6);
        tick.restart();
    });
    // Let the voice load first, as it does while the game starts.
    QTimer::singleShot(500, [&] {
        tick.start();
        puls.start(1);
    });
    constexpr int kTasten = 40;
    QTimer tasten;
    QObject::connect(&tasten, &QTimer::timeout, [&] {
        if (gedrueckt == kTasten) {
            app.quit();
            return;
        }
        fenster.aufgabe = aufgaben[gedrueckt * 7 % aufgaben.size()];
        ++gedrueckt;
        uhr.start();
        QKeyEvent f5(QEvent::KeyPress, Qt::Key_F5, Qt::NoModifier);
        QApplication::sendEvent(&fenster, &f5);
    });
    QTimer::singleShot(4500, [&] { tasten.start(400); });
    app.exec();
    if (ersteProbe.empty()) {
        std::printf("vorlesen_erste_probe: no audio device\n");
        return 0;
    }
    std::printf("vorlesen_tasten: %zu of %d heard\n", ersteProbe.size(), kTasten);
    melde("vorlesen_taste_bis_erste_probe", ersteProbe);
    std::printf("vorlesen_ui_laengste_luecke_still: %.1f ms\n", luecke[0]);
    std::printf("vorlesen_ui_laengste_luecke_sprechend: %.1f ms\n", luecke[1]);
    return 0;
}
