#include "PrtDatei.h"

#include "glob/SitzungsDaten.h"
#include "platform/HostPath.h"
#include "platform/Windows1252.h"
#include "rdb/Aufgabe.h"

#include <QDir>
#include <QFileInfo>

namespace zafku {

PrtDatei::PrtDatei(SitzungsDaten& daten, std::function<void(const QString&)> meldeFehler)
    : daten_(daten), meldeFehler_(std::move(meldeFehler)) {}

QString PrtDatei::zeile(bool ok, const QString& text, const Aufgabe& aufgabe) {
    QString zeile = QString::number(aufgabe.aktRefNr) + QStringLiteral("= ");
    if (ok)
        return zeile + QStringLiteral("OK");
    const int vor = aufgabe.aktVonPos - 1;
    return zeile + aufgabe.aktWort.left(vor) + text +
           aufgabe.aktWort.mid(vor + aufgabe.aktLupLaenge);
}

namespace {

const QString kNichtSchreibbar = QStringLiteral("kann nicht geschrieben werden.");

// A protocol is only a regular file inside the user folder: opening a FIFO would stall
// the game, and a link must not lead the lines out of the folder.
bool istProtokollDatei(const QString& pfad, const QString& userOrdner, const QString& host) {
    const QFileInfo info(pfad);
    QString echt;
    if (info.exists() || info.isSymLink()) {
        if (!info.isFile())
            return false;
        echt = info.canonicalFilePath();
    } else {
        echt = QFileInfo(info.absolutePath()).canonicalFilePath() + u'/' + info.fileName();
    }
    // User itself may be a planted link that leads out of the host folder.
    const QString user = QFileInfo(userOrdner).canonicalFilePath();
    return !user.isEmpty() && echt.startsWith(user + u'/') &&
           user.startsWith(QFileInfo(host).canonicalFilePath() + u'/');
}

} // namespace

void PrtDatei::melde(const QString& pfad, const QString& grund) {
    if (gemeldet_.contains(pfad))
        return;
    gemeldet_.insert(pfad);
    if (meldeFehler_)
        meldeFehler_(QStringLiteral("Die Protokolldatei\r%1\r%2\r"
                                    "Das Spiel geht ohne Protokoll weiter.")
                         .arg(QDir::toNativeSeparators(pfad), grund));
}

bool PrtDatei::oeffne(QIODevice::OpenMode modus) {
    schliessen();
    const QString basis = daten_.spielerDatei[daten_.aktSpieler];
    // The computer and a game without players keep no protocol.
    if (basis.isEmpty())
        return false;
    const QString pfad =
        resolveHostPath(daten_.appPfad, QStringLiteral("User/") + basis + QStringLiteral(".tmp"));
    datei_.setFileName(pfad);
    if (modus & QIODevice::Append)
        QDir().mkpath(QFileInfo(pfad).path());
    if (!istProtokollDatei(pfad, resolveHostPath(daten_.appPfad, QStringLiteral("User")),
                           daten_.appPfad)) {
        melde(pfad, QStringLiteral("ist keine gewöhnliche Datei im Ordner User."));
        return false;
    }
    if (!datei_.open(modus)) {
        melde(pfad, kNichtSchreibbar);
        return false;
    }
    daten_.prtDateiNr = 1;
    return true;
}

void PrtDatei::oeffneErsteDatei() {
    if (oeffne(QIODevice::Append))
        oeffne(QIODevice::ReadOnly);
}

void PrtDatei::initPrtDatei() {
    oeffne(QIODevice::Append);
}

void PrtDatei::addPrtEintrag(bool ok, const QString& text, const Aufgabe& aufgabe) {
    if (!datei_.isOpen() || !datei_.isWritable())
        return;
    const QByteArray bytes = encodeWindows1252(zeile(ok, text, aufgabe)) + "\r\n";
    if (datei_.write(bytes) != bytes.size() || !datei_.flush()) {
        melde(datei_.fileName(), kNichtSchreibbar);
        schliessen();
    }
}

void PrtDatei::schliessen() {
    if (datei_.isOpen())
        datei_.close();
    daten_.prtDateiNr = 0;
}

} // namespace zafku
