#include "DatenbankBau.h"
#include "rdb/KategorienTabelle.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>

using namespace zafku;

// vokradb <Vokra.tsp> <woerter-dir> <out.mdb>: builds the spelling database from the
// word files; faults are printed as file:line: text.
int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 4) {
        std::fprintf(stderr, "Aufruf: vokradb <Vokra.tsp> <woerter-Ordner> <Ziel.mdb>\n");
        return 2;
    }
    QFile tsp(args[1]);
    if (!tsp.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "%s:0: Datei kann nicht gelesen werden\n", qPrintable(args[1]));
        return 1;
    }
    const QStringList kategorien = leseKategorienCodes(QString::fromUtf8(tsp.readAll()));
    QList<material::QuellFehler> fehler;
    const QList<material::WortEintrag> woerter = material::leseWortDateien(args[2], fehler);
    if (fehler.isEmpty())
        fehler = material::baueDatenbank(kategorien, woerter, args[3]);
    for (const material::QuellFehler& f : fehler)
        std::fprintf(stderr, "%s\n", qPrintable(f.toString()));
    return fehler.isEmpty() ? 0 : 1;
}
