// Zafku: started by the host framework with its launch block on the command line.

#include "Anwendung.h"
#include "dialogs/Groesse.h"
#include "dialogs/Skalierung.h"
#include "display/MainFrm.h"

#include <QApplication>
#include <QScreen>

#include <algorithm>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zafku"));
    // The size the adult chose, or the largest that fits the screen comfortably; either
    // way no larger than the screen. The screen's own scale is already in its size.
    const QSize platz = QGuiApplication::primaryScreen()->availableSize();
    const QSize fenster = zafku::MainFrm::entwurfsGroesse();
    const double gewaehlt = zafku::gewaehlteGroesse();
    zafku::wechsleMassstab(
        gewaehlt > 0 ? std::min(gewaehlt, zafku::passenderMassstab(fenster, platz, 1.0))
                     : zafku::passenderMassstab(fenster, platz, 0.85));
    // The host passes the launch block as one argument; a shell may split it at blanks.
    const QString block = app.arguments().mid(1).join(u' ');
    zafku::Anwendung anwendung;
    return anwendung.starte(block, QCoreApplication::applicationDirPath());
}
