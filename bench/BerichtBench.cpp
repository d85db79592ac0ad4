// Times the learning report over a protocol file of 100,000 lines on the demo host's
// word material: reading, explaining every wrong answer and writing the page.
#include "bericht/Bericht.h"
#include "bericht/BerichtHtml.h"
#include "platform/SqliteDatabase.h"
#include "platform/Windows1252.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <chrono>
#include <cstdio>
#include <ctime>
#include <random>

using namespace zafku;
using Uhr = std::chrono::steady_clock;

namespace {

// A mistake a child might make: ie → i, a doubled letter single, a small capital.
QString falsch(const QString& wort) {
    if (wort.contains("ie"))
        return QString(wort).replace(wort.indexOf("ie"), 2, "i");
    for (int i = 1; i < wort.size(); ++i)
        if (wort[i] == wort[i - 1])
            return QString(wort).remove(i, 1);
    return wort.left(1).toLower() + wort.mid(1);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: bericht_bench <demo host folder>\n");
        return 2;
    }
    const QString quelle = QString::fromLocal8Bit(argv[1]);
    QTemporaryDir host;
    for (const char* datei : {"Vokra-D.mdb", "Vokra.tsp", "Vokra.kmp"})
        QFile::copy(quelle + "/" + datei, host.filePath(datei));
    QDir(host.path()).mkdir("User");

    QList<QPair<int, QString>> woerter;
    {
        SqliteDatabase db(host.filePath("Vokra-D.mdb"));
        auto abfrage = db.prepare("SELECT RefNr, Wort FROM WortListe");
        while (abfrage.step())
            woerter.append({int(abfrage.int64(0)), abfrage.value(1).toString()});
    }
    constexpr int zeilen = 100000;
    std::mt19937 gen(7);
    QByteArray text;
    for (int i = 0; i < zeilen; ++i) {
        const auto& [refNr, wort] = woerter[gen() % woerter.size()];
        const QString ergebnis = gen() % 3 == 0 ? falsch(wort) : QStringLiteral("OK");
        text += encodeWindows1252(QString::number(refNr) + "= " + ergebnis) + "\r\n";
    }
    QFile datei(host.filePath("User/klasse.tmp"));
    datei.open(QIODevice::WriteOnly);
    datei.write(text);
    datei.close();

    // CPU time too: on a busy machine the wall clock mostly measures the other processes.
    const std::clock_t cpuStart = std::clock();
    const auto start = Uhr::now();
    const bericht::Bericht b = bericht::erstelleBericht(host.path());
    const auto gelesen = Uhr::now();
    const QString html = bericht::berichtHtml(b, QDateTime::currentDateTime());
    const auto fertig = Uhr::now();
    const double cpuMs = 1000.0 * double(std::clock() - cpuStart) / CLOCKS_PER_SEC;
    const auto ms = [](auto d) { return std::chrono::duration<double, std::milli>(d).count(); };
    std::printf("bericht_%d_zeilen_lesen: %.1f ms\n", zeilen, ms(gelesen - start));
    std::printf("bericht_%d_zeilen_gesamt: %.1f ms\n", zeilen, ms(fertig - start));
    std::printf("bericht_%d_zeilen_gesamt_cpu: %.1f ms\n", zeilen, cpuMs);
    std::printf("bericht_antworten: %d (richtig %d, unbrauchbar %d, %lld Zeichen HTML)\n",
                b.kinder.value(0).antworten, b.kinder.value(0).richtig,
                b.kinder.value(0).unbrauchbarAnzahl, static_cast<long long>(html.size()));
    return 0;
}
