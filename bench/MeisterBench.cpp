// High-score offers per second on both stores, for one writer and for twenty writers at
// once; each writer is its own process, as each game is.
// Usage: meister_bench <meister_schreiber executable>

#include "support/PgWegwerfServer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>
#include <vector>

namespace {

// Starts the writers, lets them go at once and returns offers per second.
double angebotePro(const QString& schreiber, const QString& art, const QString& ort, int spiele,
                   int jeSpiel) {
    QTemporaryDir dir;
    const QString start = dir.filePath(QStringLiteral("los"));
    std::vector<std::unique_ptr<QProcess>> laeufe;
    for (int s = 0; s < spiele; ++s) {
        QStringList argumente = {art, ort, start, QStringLiteral("Spiel%1").arg(s)};
        // Rising points: after the first ten every offer replaces the smallest row.
        for (int k = 0; k < jeSpiel; ++k)
            argumente.append(QString::number(1 + k * spiele + s));
        auto& p = laeufe.emplace_back(std::make_unique<QProcess>());
        p->setProcessChannelMode(QProcess::ForwardedChannels);
        p->start(schreiber, argumente);
        p->waitForStarted();
    }
    QElapsedTimer uhr;
    uhr.start();
    QFile(start).open(QIODevice::WriteOnly);
    for (auto& p : laeufe) {
        p->waitForFinished(600000);
        if (p->exitCode() != 0)
            return 0;
    }
    return spiele * jeSpiel / (uhr.nsecsElapsed() / 1e9);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s MEISTER_SCHREIBER\n", argv[0]);
        return 2;
    }
    const QString schreiber = QString::fromLocal8Bit(argv[1]);
    QTemporaryDir dir;
    PgWegwerfServer server;
    if (!server.laeuft())
        std::fprintf(stderr, "PostgreSQL: %s\n", qPrintable(server.fehler()));
    struct Lauf {
        const char* name;
        int spiele;
        int jeSpiel;
    };
    for (const Lauf& l : {Lauf{"1_writer", 1, 200}, Lauf{"20_writers", 20, 20}}) {
        const QString mdb = dir.filePath(QStringLiteral("%1.mdb").arg(l.name));
        std::printf("meister_sqlite_%s: %.0f offers/s\n", l.name,
                    angebotePro(schreiber, QStringLiteral("sqlite"), mdb, l.spiele, l.jeSpiel));
        if (server.laeuft())
            std::printf("meister_postgresql_%s: %.0f offers/s\n", l.name,
                        angebotePro(schreiber, QStringLiteral("pg"), server.verbindung(), l.spiele,
                                    l.jeSpiel));
        std::fflush(stdout);
    }
    return 0;
}
