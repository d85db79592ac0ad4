// Zafku: started by the host framework with its launch block on the command line.

#include "Anwendung.h"
#include "dialogs/Skalierung.h"
#include "display/MainFrm.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zafku"));
    // The size the adult chose, or the largest that fits the screen comfortably.
    zafku::passeMassstabAn(zafku::MainFrm::entwurfsGroesse(), 0.85);
    // The host passes the launch block as one argument; a shell may split it at blanks.
    const QString block = app.arguments().mid(1).join(u' ');
    zafku::Anwendung anwendung;
    return anwendung.starte(block, QCoreApplication::applicationDirPath());
}
