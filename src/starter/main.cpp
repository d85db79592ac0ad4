// zafku-start: starts Zafku without the host framework, from the host folder it lives in.
// zafku-start --ueben DATEI starts the practice game of the child with protocol file DATEI.

#include "StartFrm.h"
#include "Ueben.h"
#include "bericht/BerichtNamen.h"
#include "dialogs/Skalierung.h"
#include "speech/EspeakSprache.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Zafku"));
    QApplication::setApplicationName(QStringLiteral("zafku-start"));
    QApplication::setApplicationDisplayName(QStringLiteral("Zafku"));
    // One voice for every screen that reads aloud.
    zafku::EspeakSprache sprache;
    const QStringList args = app.arguments();
    if (args.size() == 3 && args[1] == QLatin1String("--ueben")) {
        const QString datei = args[2];
        const QString name = zafku::bericht::namenDerKinder(QCoreApplication::applicationDirPath())
                                 .value(datei, datei);
        return zafku::starter::uebe(nullptr, QCoreApplication::applicationDirPath(), {name, datei},
                                    &sprache)
                   ? 0
                   : 1;
    }
    zafku::passeMassstabAn(zafku::starter::StartFrm::kEntwurf, 0.6);
    zafku::starter::StartFrm fenster(QCoreApplication::applicationDirPath(), &sprache);
    fenster.show();
    return app.exec();
}
