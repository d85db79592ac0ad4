#include "StartFrm.h"

#include "ErgebnisFrm.h"
#include "Ueben.h"
#include "bericht/Bericht.h"
#include "bericht/BerichtHtml.h"
#include "bericht/BerichtNamen.h"
#include "glob/GlobModul.h"
#include "glob/SitzungsDaten.h"
#include "help/HtmlHelpMod.h"
#include "kartei/Wortkartei.h"
#include "platform/AtomicReplace.h"
#include "platform/Clock.h"
#include "platform/HostPath.h"
#include "platform/LaufzeitFehler.h"
#include "platform/SystemFehler.h"

#include <QComboBox>
#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTreeWidget>
#include <QUrl>

// What the start window starts: the game, the word window, the report and help.

namespace zafku::starter {

void StartFrm::eigeneWoerter() {
    woerter_.start(QDir(appPfad_).filePath(QStringLiteral("zafku-woerter")),
                   {QStringLiteral("--host"), appPfad_});
    if (!woerter_.waitForStarted()) {
        melde(QStringLiteral("Das Fenster für eigene Wörter lässt sich nicht öffnen: %1")
                  .arg(startFehlerText(woerter_.error())));
        return;
    }
    woerterBtn_->setEnabled(false);
}

void StartFrm::melde(const QString& text) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Zafku"), text, QMessageBox::Ok, this);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

bool StartFrm::spielStarten() {
    const QString code = gewaehlterCode();
    const QList<Spieler> wahl = spieler();
    if (const QString fehler = pruefeWahl(code, wahl, mitKlasse_); !fehler.isEmpty()) {
        melde(fehler);
        return false;
    }
    const QString programm = QDir(appPfad_).filePath(QStringLiteral("zafku"));
    if (!QFileInfo(programm).isExecutable()) {
        melde(QStringLiteral("Das Spiel %1 fehlt.").arg(programm));
        return false;
    }
    const QString user = resolveHostPath(appPfad_, QStringLiteral("User"));
    QDir().mkpath(user);
    if (!QFileInfo(user).isWritable()) {
        melde(QStringLiteral("In den Ordner %1 kann Zafku nicht schreiben. Dort sammelt das "
                             "Spiel die Antworten der Kinder; bitte gib ihn zum Schreiben frei.")
                  .arg(user));
        return false;
    }
    if (spiel_.state() != QProcess::NotRunning) {
        melde(QStringLiteral("Zafku läuft schon."));
        return false;
    }
    merkeWahl();
    spielende_ = wahl;
    leseVorDemSpiel(appPfad_, appPfad_, wahl);
    spiel_.setWorkingDirectory(appPfad_);
    spiel_.start(programm, {startBlock(code, wahl)});
    if (!spiel_.waitForStarted(5000)) {
        melde(QStringLiteral("Zafku lässt sich nicht starten: %1")
                  .arg(startFehlerText(spiel_.error())));
        return false;
    }
    spielenBtn_->setEnabled(false);
    status_->setText(QStringLiteral("Zafku läuft …"));
    return true;
}

QString StartFrm::berichtErstellen() {
    const QString user = resolveHostPath(appPfad_, QStringLiteral("User"));
    const QString ziel = user + QStringLiteral("/Lernbericht.html");
    try {
        const auto kartei = kartei::oeffneKarteiSpeicher(appPfad_, user);
        const auto b = bericht::erstelleBericht(
            appPfad_, bericht::namenDerKinder(appPfad_),
            {kartei.get(), kartei::heute(SystemClock()), zeitraum_->currentIndex() == 1});
        QDir().mkpath(QFileInfo(ziel).path());
        const ReplaceResult r = replaceFileAtomically(
            ziel, bericht::berichtHtml(b, QDateTime::currentDateTime()).toUtf8());
        if (!r.ok) {
            melde(QStringLiteral("Der Lernbericht kann nicht nach %1 geschrieben werden. %2")
                      .arg(ziel, r.error));
            return {};
        }
    } catch (const LaufzeitFehler& f) {
        melde(QString(f.text()).replace(u'\r', u'\n'));
        return {};
    }
    status_->setText(QStringLiteral("Lernbericht: %1").arg(ziel));
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(ziel)))
        melde(QStringLiteral("Der Lernbericht liegt in %1. Öffne die Datei bitte mit einem "
                             "Browser.")
                  .arg(ziel));
    return ziel;
}

void StartFrm::zeigeHilfe() {
    const QTreeWidgetItem* item = liste_->currentItem();
    if (gewaehlterCode().isEmpty())
        return;
    SitzungsDaten daten;
    daten.katNr = item->data(0, kKatNrRolle).toInt();
    initHilfe(daten);
    hilfe_.showTopic(QDir(appPfad_).filePath(QStringLiteral("Vesk.chm")), daten.katHilfeNr);
}

} // namespace zafku::starter
