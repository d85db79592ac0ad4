// zafku-bericht: writes the learning report of a host folder's protocol files as one
// HTML page, or lists every child's word box.

#include "Bericht.h"
#include "BerichtHtml.h"
#include "BerichtNamen.h"
#include "KarteiListe.h"
#include "Lehrmaterial.h"
#include "kartei/Wortkartei.h"
#include "platform/AtomicReplace.h"
#include "platform/Clock.h"
#include "platform/HostPath.h"
#include "platform/LaufzeitFehler.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>

#include <cstdio>

namespace {

void schreibe(FILE* f, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), f);
}

bool nimm(QStringList& args, const QString& schalter) {
    return args.removeAll(schalter) > 0;
}

// Reads the new protocol lines into the boxes and prints them; skipped lines go to stderr.
int karteiAusgeben(const QString& ordner, QDate heute) {
    const auto speicher = zafku::kartei::oeffneKarteiSpeicher(
        ordner, zafku::resolveHostPath(ordner, QStringLiteral("User")));
    zafku::bericht::Lehrmaterial material(ordner);
    const auto gelesen = zafku::kartei::leseAlleNeuenZeilen(
        *speicher, ordner, heute, [&](int refNr) { return material.wort(refNr) != nullptr; });
    for (auto it = gelesen.begin(); it != gelesen.end(); ++it)
        if (it->unbekannt > 0)
            schreibe(stderr, (it->unbekannt == 1
                                  ? QStringLiteral("%1: %2 Antwort zu einer Wortnummer, die in "
                                                   "der Wortdatenbank fehlt, übersprungen.\n")
                                  : QStringLiteral("%1: %2 Antworten zu Wortnummern, die in der "
                                                   "Wortdatenbank fehlen, übersprungen.\n"))
                                 .arg(it.key())
                                 .arg(it->unbekannt));
    schreibe(stdout, zafku::bericht::karteiListe(speicher->alle(), material));
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    QString ziel = QStringLiteral("bericht.html");
    const qsizetype o = args.indexOf(QStringLiteral("-o"));
    if (o >= 0 && o + 1 < args.size()) {
        ziel = args[o + 1];
        args.remove(o, 2);
    }
    const bool kartei = nimm(args, QStringLiteral("--kartei"));
    const bool woche = nimm(args, QStringLiteral("--woche"));
    if (args.size() != 1 || args[0].startsWith(u'-')) {
        schreibe(stderr,
                 QStringLiteral("Aufruf: zafku-bericht <Spielordner> [-o bericht.html] [--woche]\n"
                                "       zafku-bericht <Spielordner> --kartei\n"
                                "Liest User/*.tmp und die Wortdatenbank des Ordners und "
                                "schreibt den Lernbericht als HTML-Seite (mit --woche nur "
                                "über diese Woche) oder mit --kartei die Wortkartei jedes "
                                "Kindes als Liste.\n"));
        return 2;
    }
    const QDate heute = zafku::kartei::heute(zafku::SystemClock());
    try {
        if (kartei)
            return karteiAusgeben(args[0], heute);
        const auto speicher = zafku::kartei::oeffneKarteiSpeicher(
            args[0], zafku::resolveHostPath(args[0], QStringLiteral("User")));
        const auto bericht = zafku::bericht::erstelleBericht(
            args[0], zafku::bericht::namenDerKinder(args[0]), {speicher.get(), heute, woche});
        const zafku::ReplaceResult r = zafku::replaceFileAtomically(
            ziel, zafku::bericht::berichtHtml(bericht, QDateTime::currentDateTime()).toUtf8());
        if (!r.ok) {
            schreibe(stderr,
                     QStringLiteral("Der Bericht kann nicht nach %1 geschrieben werden. %2\n")
                         .arg(ziel, r.error));
            return 1;
        }
        schreibe(stdout, QStringLiteral("Bericht über %1 geschrieben: %2\n")
                             .arg(zafku::bericht::kinderAnzahl(bericht.kinder.size()),
                                  QFileInfo(ziel).absoluteFilePath()));
    } catch (const zafku::LaufzeitFehler& f) {
        schreibe(stderr, QString(f.text()).replace(u'\r', u' ') + u'\n');
        return 1;
    }
    return 0;
}
