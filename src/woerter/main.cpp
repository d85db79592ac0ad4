// zafku-woerter: the class's own words. Without a file it opens the window; with one it
// checks the lines, prints what it found and saves when nothing stands in the way.

#include "WoerterFrm.h"
#include "dialogs/Skalierung.h"
#include "eigene/Neubau.h"
#include "eigene/StellenName.h"

#include <QApplication>
#include <QCheckBox>
#include <QCommandLineParser>

#include <cstdio>

using namespace zafku::eigene;

namespace {

void zeige(const QString& text) {
    std::fputs((text + u'\n').toUtf8().constData(), stdout);
}

Wochenwahl wochenwahl;

int meldeErgebnis(const NeubauErgebnis& e) {
    if (e.gewartet)
        zeige(QStringLiteral("Ein anderes Speichern im selben Ordner lief gerade; es wurde "
                             "abgewartet."));
    if (!e.fehler.isEmpty()) {
        zeige(e.fehler);
        return 1;
    }
    zeige(QStringLiteral("Vokra-D.mdb neu gebaut; Wörter der Woche: %1")
              .arg(e.angeboten.isEmpty() ? QStringLiteral("keine") : e.angeboten.join(u' ')));
    if (!e.hinweis.isEmpty())
        zeige(e.hinweis);
    if (!e.ohneStelle.isEmpty())
        zeige(ohneStelleText(e.ohneStelle));
    return 0;
}

// Prints the findings; true when one of them blocks.
bool meldeBefunde(const QString& pfad, const QList<Befund>& befunde) {
    for (const Befund& b : befunde)
        zeige(QStringLiteral("%1:%2: %3%4")
                  .arg(pfad)
                  .arg(b.zeile)
                  .arg(b.sperrt ? QString() : QStringLiteral("Hinweis: "), b.text));
    return sperrt(befunde);
}

// A hand-edited word file goes through the same checks as typed words.
int neuBauen(const QString& host, const QString& wortliste) {
    QString fehler;
    const EigeneListe liste = ladeEigeneListe(host, &fehler);
    const auto stand = fehler.isEmpty() ? Pruefstand::lade(host, wortliste, fehler) : nullptr;
    if (!stand) {
        zeige(fehler);
        return 2;
    }
    QList<Befund> befunde;
    const QList<PruefWort> woerter = stand->pruefWoerter(liste, befunde);
    befunde += pruefe(woerter, stand->mittel());
    if (meldeBefunde(eigeneDateiPfad(host), befunde)) {
        zeige(QStringLiteral("Nichts neu gebaut."));
        return 1;
    }
    return meldeErgebnis(baueNeu(host, liste, wochenwahl));
}

int pruefeDatei(const QString& host, const QString& wortliste, const QString& pfad) {
    QString fehler;
    const auto inhalt = leseWortDatei(pfad, fehler);
    if (!inhalt) {
        zeige(fehler);
        return 2;
    }
    const QList<Eingabe> eingaben = leseEingabe(*inhalt);
    if (eingaben.size() > letzteNummer - ersteNummer + 1) {
        zeige(QStringLiteral("%1 hat %2 Wörter; das Spiel nimmt höchstens %3 eigene Wörter.")
                  .arg(pfad)
                  .arg(eingaben.size())
                  .arg(letzteNummer - ersteNummer + 1));
        return 2;
    }
    const auto stand = Pruefstand::lade(host, wortliste, fehler);
    if (!stand) {
        zeige(fehler);
        return 2;
    }
    const EigeneListe liste = ladeEigeneListe(host);
    QList<PruefWort> woerter;
    for (const Eingabe& e : eingaben) {
        QList<bool> gewaehlt;
        const QList<Vorschlag> vorschlaege = stand->vorschlagen(e, liste, gewaehlt);
        PruefWort w{e, {}};
        QStringList text;
        for (int i = 0; i < vorschlaege.size(); ++i) {
            const Vorschlag& v = vorschlaege[i];
            text.append((gewaehlt[i] ? QStringLiteral("[x] ") : QStringLiteral("[ ] ")) +
                        stellenZeile(v, e.wort));
            if (gewaehlt[i])
                w.stellen.append(v);
        }
        zeige(QStringLiteral("%1: %2").arg(e.wort, text.join(QStringLiteral("; "))));
        woerter.append(w);
    }
    if (meldeBefunde(pfad, pruefe(woerter, stand->mittel()))) {
        zeige(QStringLiteral("Nichts gespeichert."));
        return 1;
    }
    QList<EigenesWort> neu;
    for (const PruefWort& w : woerter)
        neu.append(alsEigenesWort(w));
    return meldeErgebnis(speichere(host, neu, wochenwahl));
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
    std::unique_ptr<QCoreApplication> app = fenster
                                                ? std::make_unique<QApplication>(argc, argv)
                                                : std::make_unique<QCoreApplication>(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Eigene Wörter der Klasse prüfen und ins Spiel bringen. Ohne Datei öffnet sich das "
        "Fenster; eine Datei enthält je Zeile: Wort, Artikel oder Wortart, Satz."));
    parser.addHelpOption();
    const QCommandLineOption hostOpt(QStringLiteral("host"), QStringLiteral("Host-Ordner."),
                                     QStringLiteral("ordner"),
                                     QCoreApplication::applicationDirPath());
    const QCommandLineOption wortlisteOpt(
        QStringLiteral("wortliste"), QStringLiteral("Deutsche Wortliste."), QStringLiteral("datei"),
        QStringLiteral("/usr/share/dict/ngerman"));
    const QCommandLineOption neuOpt(
        QStringLiteral("neu"), QStringLiteral("Nur die Datenbank aus der Wortdatei neu bauen."));
    const QCommandLineOption behaltenOpt(
        QStringLiteral("behalten"),
        QStringLiteral("Die bisherigen Wörter der Woche unter ihrem Datum behalten."));
    parser.addOptions({hostOpt, wortlisteOpt, neuOpt, behaltenOpt});
    parser.addPositionalArgument(QStringLiteral("datei"), QStringLiteral("Wörter zum Prüfen."));
    parser.process(*app);
    const QString host = parser.value(hostOpt);
    wochenwahl.behalten = parser.isSet(behaltenOpt);
    if (parser.isSet(neuOpt))
        return neuBauen(host, parser.value(wortlisteOpt));
    if (!parser.positionalArguments().isEmpty())
        return pruefeDatei(host, parser.value(wortlisteOpt), parser.positionalArguments()[0]);
    zafku::passeMassstabAn(zafku::woerter::WoerterFrm::kEntwurf, 0.6);
    zafku::woerter::WoerterFrm frm(host, parser.value(wortlisteOpt));
    frm.behalten()->setChecked(wochenwahl.behalten);
    frm.show();
    return app->exec();
}
