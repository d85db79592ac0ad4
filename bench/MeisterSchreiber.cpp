// One game ending: waits until the start file exists, then offers its entries. The benchmark
// runs many of them against one store at the same instant.
#include "highscore/MeisterListe.h"
#include "highscore/PgMeisterSpeicher.h"
#include "highscore/SqliteMeisterSpeicher.h"
#include "platform/LaufzeitFehler.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>

#include <cstdio>

using namespace zafku;

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList a = app.arguments();
    if (a.size() < 6) {
        std::fprintf(stderr, "usage: %s sqlite|pg STORE STARTFILE NAME POINTS...\n", argv[0]);
        return 2;
    }
    std::unique_ptr<MeisterSpeicher> speicher;
    if (a[1] == QLatin1String("pg"))
        speicher = std::make_unique<PgMeisterSpeicher>(a[2], 60);
    else
        speicher = std::make_unique<SqliteMeisterSpeicher>(a[2], 60000);
    MeisterListe liste(std::move(speicher));
    QElapsedTimer warten;
    warten.start();
    while (!QFile::exists(a[3])) {
        if (warten.elapsed() > 60000)
            return 3;
        QThread::usleep(500);
    }
    try {
        for (int i = 5; i < a.size(); ++i)
            liste.pruefeEintrag(
                {a[4], MeisterListe::programm(), QStringLiteral("06.12.2026"), a[i].toInt()});
    } catch (const LaufzeitFehler& f) {
        std::fprintf(stderr, "%s\n", f.what());
        return 1;
    }
    return 0;
}
