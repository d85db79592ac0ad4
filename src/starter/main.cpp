// zafku-start: starts Zafku without the host framework, from the host folder it lives in.

#include "StartFrm.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Zafku"));
    QApplication::setApplicationName(QStringLiteral("zafku-start"));
    QApplication::setApplicationDisplayName(QStringLiteral("Zafku"));
    zafku::starter::StartFrm fenster(QCoreApplication::applicationDirPath());
    fenster.show();
    return app.exec();
}
