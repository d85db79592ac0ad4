// zafku-woerter: the class's own words. Without a file it opens the window; with one it
// checks the lines, prints what it found and saves when nothing stands in the way.

#include "WoerterFrm.h"
#include "eigene/Neubau.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFile>

#include <cstdio>

using namespace zafku::eigene;

namespace {

void zeige(const QString& text) {
    std::fputs((text + u'\n').toUtf8().constData(), stdout);
}

int neuBauen(const QString& host, const EigeneListe& liste) {
    const NeubauErgebnis e = baueNeu(host, liste);
    if (!e.fehler.isEmpty()) {
        zeige(e.fehler);
        return 1;
    }
    zeige(QStringLiteral("Vokra-D.mdb neu gebaut; Eigene Wörter: %1")
              .arg(e.angeboten.isEmpty() ? QStringLiteral("keine") : e.angeboten.join(u' ')));
    return 0;
}

int pruefeDatei(const QString& host, const QString& wortliste, const QString& pfad) {
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly)) {
        zeige(QStringLiteral("%1 kann nicht gelesen werden.").arg(pfad));
        return 2;
    }
    QString fehler;
    const auto stand = Pruefstand::lade(host, wortliste, fehler);
    if (!stand) {
        zeige(fehler);
        return 2;
    }
    EigeneListe liste = ladeEigeneListe(host);
    QList<PruefWort> woerter;
    for (const Eingabe& e : leseEingabe(QString::fromUtf8(datei.readAll()))) {
        QList<bool> gewaehlt;
        const QList<Vorschlag> vorschlaege = stand->vorschlagen(e, liste, gewaehlt);
        PruefWort w{e, {}};
        QStringList text;
        for (int i = 0; i < vorschlaege.size(); ++i) {
            const Vorschlag& v = vorschlaege[i];
            text.append(QStringLiteral("%1%2:%3 (%4)")
                            .arg(gewaehlt[i] ? QString() : QStringLiteral("?"), v.code)
                            .arg(v.vonPos)
                            .arg(v.schreibung));
            if (gewaehlt[i])
                w.stellen.append(v);
        }
        zeige(QStringLiteral("%1: %2").arg(e.wort, text.join(u' ')));
        woerter.append(w);
    }
    const QList<Befund> befunde = pruefe(woerter, stand->mittel());
    for (const Befund& b : befunde)
        zeige(QStringLiteral("%1:%2: %3%4")
                  .arg(pfad)
                  .arg(b.zeile)
                  .arg(b.sperrt ? QString() : QStringLiteral("Hinweis: "), b.text));
    if (sperrt(befunde)) {
        zeige(QStringLiteral("Nichts gespeichert."));
        return 1;
    }
    QList<EigenesWort> neu;
    for (const PruefWort& w : woerter)
        neu.append(alsEigenesWort(w));
    auto speicherFehler = uebernimm(liste, neu);
    if (!speicherFehler)
        speicherFehler = speichereEigeneListe(host, liste);
    if (speicherFehler) {
        zeige(*speicherFehler);
        return 1;
    }
    return neuBauen(host, liste);
}

} // namespace

int main(int argc, char** argv) {
    // The window needs a display; checking a file or rebuilding does not.
    bool fenster = true;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--host" || arg == "--wortliste")
            ++i;
        else if (arg == "--neu" || arg == "--help" || arg.empty() || arg[0] != '-')
            fenster = false;
    }
    std::unique_ptr<QCoreApplication> app = fenster ? std::make_unique<QApplication>(argc, argv)
                                                    : std::make_unique<QCoreApplication>(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Eigene Wörter der Klasse prüfen und ins Spiel bringen. Ohne Datei öffnet sich das "
        "Fenster; eine Datei enthält je Zeile: Wort, Artikel oder Wortart, Satz."));
    parser.addHelpOption();
    const QCommandLineOption hostOpt(QStringLiteral("host"), QStringLiteral("Host-Ordner."),
                                     QStringLiteral("ordner"),
                                     QCoreApplication::applicationDirPath());
    const QCommandLineOption wortlisteOpt(QStringLiteral("wortliste"),
                                          QStringLiteral("Deutsche Wortliste."),
                                          QStringLiteral("datei"),
                                          QStringLiteral("/usr/share/dict/ngerman"));
    const QCommandLineOption neuOpt(QStringLiteral("neu"),
                                    QStringLiteral("Nur die Datenbank aus der Wortdatei neu bauen."));
    parser.addOptions({hostOpt, wortlisteOpt, neuOpt});
    parser.addPositionalArgument(QStringLiteral("datei"), QStringLiteral("Wörter zum Prüfen."));
    parser.process(*app);
    const QString host = parser.value(hostOpt);
    if (parser.isSet(neuOpt))
        return neuBauen(host, ladeEigeneListe(host));
    if (!parser.positionalArguments().isEmpty())
        return pruefeDatei(host, parser.value(wortlisteOpt), parser.positionalArguments()[0]);
    zafku::woerter::WoerterFrm frm(host, parser.value(wortlisteOpt));
    frm.show();
    return app->exec();
}
