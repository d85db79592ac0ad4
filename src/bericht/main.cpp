// zafku-bericht: writes the learning report of a host folder's protocol files as one
// HTML page.

#include "Bericht.h"
#include "BerichtHtml.h"
#include "BerichtNamen.h"
#include "platform/LaufzeitFehler.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QSaveFile>

#include <cstdio>

namespace {

void schreibe(FILE* f, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), f);
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
    if (args.size() != 1 || args[0].startsWith(u'-')) {
        schreibe(stderr, QStringLiteral("Aufruf: zafku-bericht <Spielordner> [-o bericht.html]\n"
                                        "Liest User/*.tmp und die Wortdatenbank des Ordners und "
                                        "schreibt den Lernbericht als HTML-Seite.\n"));
        return 2;
    }
    try {
        const auto bericht =
            zafku::bericht::erstelleBericht(args[0], zafku::bericht::gespeicherteNamen());
        QSaveFile datei(ziel);
        if (!datei.open(QIODevice::WriteOnly) ||
            datei.write(
                zafku::bericht::berichtHtml(bericht, QDateTime::currentDateTime()).toUtf8()) < 0 ||
            !datei.commit()) {
            schreibe(
                stderr,
                QStringLiteral("Der Bericht kann nicht nach %1 geschrieben werden.\n").arg(ziel));
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
