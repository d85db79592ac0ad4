#include "Ueben.h"

#include "ErgebnisFrm.h"
#include "SpielErgebnis.h"
#include "Uebung.h"
#include "UebungsOrdner.h"
#include "bericht/Lehrmaterial.h"
#include "kartei/Wortkartei.h"
#include "platform/Clock.h"
#include "platform/HostPath.h"
#include "platform/LaufzeitFehler.h"
#include "platform/SystemFehler.h"

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QMessageBox>
#include <QProcess>

#include <memory>

namespace zafku::starter {

namespace {

void melde(QWidget* eltern, const QString& text) {
    QMessageBox box(QMessageBox::Information, QStringLiteral("Zafku"), text, QMessageBox::Ok,
                    eltern);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace

bool spieleUndWarte(const QString& ordner, const QString& block, QString* fehler) {
    QProcess spiel;
    spiel.setWorkingDirectory(ordner);
    spiel.start(QDir(ordner).filePath(QStringLiteral("zafku")), {block});
    if (!spiel.waitForStarted(5000)) {
        *fehler = QStringLiteral("Zafku lässt sich nicht starten: %1")
                      .arg(startFehlerText(spiel.error()));
        return false;
    }
    QEventLoop warten;
    QObject::connect(&spiel, &QProcess::finished, &warten, &QEventLoop::quit);
    if (spiel.state() != QProcess::NotRunning)
        warten.exec();
    return true;
}

namespace {

QDate heute() {
    return kartei::heute(SystemClock());
}

QList<KindErgebnis> lies(const QString& appPfad, const QList<Spieler>& spieler) {
    const auto speicher =
        kartei::oeffneKarteiSpeicher(appPfad, resolveHostPath(appPfad, QStringLiteral("User")));
    bericht::Lehrmaterial material(appPfad);
    return leseSpieler(*speicher, material, appPfad, spieler, heute());
}

} // namespace

void leseVorDemSpiel(const QString& appPfad, const QString& ordner, const QList<Spieler>& spieler) {
    if (!spieler.isEmpty())
        QFile::remove(
            bilanzDatei(resolveHostPath(ordner, QStringLiteral("User")), spieler.first().datei));
    try {
        lies(appPfad, spieler);
    } catch (const LaufzeitFehler&) {
        // Named after the game, when the results are read through the same store.
    }
}

ErgebnisFrm* ergebnisFenster(QWidget* eltern, const QString& appPfad, const QString& ordner,
                             const QList<Spieler>& spieler, Sprachausgabe* sprache,
                             QString* fehler) {
    try {
        QList<KindErgebnis> ergebnisse = lies(appPfad, spieler);
        QString gewinner;
        if (!spieler.isEmpty()) {
            const QString datei =
                bilanzDatei(resolveHostPath(ordner, QStringLiteral("User")), spieler.first().datei);
            if (const auto bilanz = leseBilanz(datei)) {
                uebernimm(ergebnisse, *bilanz);
                gewinner = bilanz->gewinner;
            }
            QFile::remove(datei);
        }
        return new ErgebnisFrm(ergebnisZeilen(ergebnisse, gewinner), sprache, eltern);
    } catch (const LaufzeitFehler& f) {
        *fehler = QString(f.text()).replace(u'\r', u' ');
        return nullptr;
    }
}

bool spieleMitErgebnis(QWidget* eltern, const QString& appPfad, const QString& ordner,
                       const QString& block, const QList<Spieler>& spieler, Sprachausgabe* sprache,
                       const std::function<void()>& nachDemSpiel) {
    leseVorDemSpiel(appPfad, ordner, spieler);
    QString fehler;
    if (!spieleUndWarte(ordner, block, &fehler)) {
        melde(eltern, fehler);
        return false;
    }
    if (nachDemSpiel)
        nachDemSpiel();
    std::unique_ptr<ErgebnisFrm> ergebnis(
        ergebnisFenster(eltern, appPfad, ordner, spieler, sprache, &fehler));
    if (ergebnis)
        ergebnis->exec();
    else
        melde(eltern, fehler);
    return true;
}

bool uebe(QWidget* eltern, const QString& appPfad, const Spieler& kind, Sprachausgabe* sprache) {
    if (kind.datei.isEmpty() || kind.datei.startsWith(u'.') || kind.datei.contains(u'/') ||
        kind.datei.contains(u'\\')) {
        melde(eltern, QStringLiteral("»%1« ist kein Name einer Protokolldatei im Ordner User.")
                          .arg(kind.datei));
        return false;
    }
    Uebung uebung;
    try {
        const auto speicher =
            kartei::oeffneKarteiSpeicher(appPfad, resolveHostPath(appPfad, QStringLiteral("User")));
        bericht::Lehrmaterial material(appPfad);
        leseSpieler(*speicher, material, appPfad, {kind}, heute());
        uebung =
            planeUebung(material, faelligeWoerter(speicher->alle().value(kind.datei), heute()));
    } catch (const LaufzeitFehler& f) {
        melde(eltern, QString(f.text()).replace(u'\r', u'\n'));
        return false;
    }
    if (uebung.woerter.isEmpty()) {
        melde(eltern, QStringLiteral("%1 hat heute keine Wörter zu üben.").arg(kind.name));
        return false;
    }
    QString fehler;
    const auto ordner = UebungsOrdner::lege(appPfad, uebung, &fehler);
    if (!ordner) {
        melde(eltern, fehler);
        return false;
    }
    return spieleMitErgebnis(eltern, appPfad, ordner->pfad(), startBlock(uebung.kennung, {kind}),
                             {kind}, sprache, [&] {
                                 QString fehlt;
                                 if (!ordner->uebernimmProtokoll(appPfad, kind.datei, &fehlt))
                                     melde(eltern, fehlt);
                                 if (!ordner->uebernimmMeisterliste(appPfad, &fehlt))
                                     melde(eltern, QString(fehlt).replace(u'\r', u'\n'));
                             });
}

} // namespace zafku::starter
