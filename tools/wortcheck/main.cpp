#include "WortCheck.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Prüft das Wortmaterial eines Host-Quellordners."));
    parser.addHelpOption();
    const QCommandLineOption wortliste(
        QStringLiteral("wortliste"), QStringLiteral("Deutsche Wortliste (ein Wort je Zeile)."),
        QStringLiteral("datei"), QStringLiteral("/usr/share/dict/ngerman"));
    parser.addOption(wortliste);
    const QCommandLineOption befunde(
        QStringLiteral("befunde"),
        QStringLiteral("Ordner mit erlaubte_paare.txt und gepruefte_befunde.txt."),
        QStringLiteral("ordner"));
    parser.addOption(befunde);
    parser.addPositionalArgument(QStringLiteral("host"),
                                 QStringLiteral("Quellordner (host/) oder gebauter Host-Ordner"));
    parser.process(app);
    if (parser.positionalArguments().size() != 1)
        parser.showHelp(2);

    zafku::wortcheck::Optionen optionen;
    optionen.wortliste = parser.value(wortliste);
    optionen.befunde = parser.value(befunde);
    const auto ergebnis =
        zafku::wortcheck::pruefeMaterial(parser.positionalArguments()[0], optionen);
    std::fputs(zafku::wortcheck::tabellenText(ergebnis.tabelle).toUtf8().constData(), stdout);
    for (const auto& f : ergebnis.fehler)
        std::fputs((f.toString() + u'\n').toUtf8().constData(), stdout);
    std::fprintf(stdout, "Aussprache: espeak-ng widerspricht von sich aus bei %d Aufgaben\n",
                 ergebnis.ausspracheVorher);
    std::fprintf(stdout, "%lld Fehler\n", static_cast<long long>(ergebnis.fehler.size()));
    return ergebnis.fehler.isEmpty() ? 0 : 1;
}
