#include "UebungsOrdner.h"

#include "highscore/MeisterListe.h"
#include "highscore/SqliteMeisterSpeicher.h"
#include "platform/HostPath.h"
#include "platform/HostTextFile.h"
#include "platform/LaufzeitFehler.h"
#include "platform/SqliteDatabase.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <unistd.h>

namespace zafku::starter {

namespace {

// Host files are named ignoring case; the game's help folder "Zafku" is not the game.
const QStringList kEigene = {QStringLiteral("zafku"), QStringLiteral("Vokra.kmp"),
                             QStringLiteral("Vokra.tsp"), QStringLiteral("Vokra-D.mdb")};

int eigene(const QString& name) {
    if (name == kEigene[0])
        return 0;
    for (int i = 1; i < kEigene.size(); ++i)
        if (name.compare(kEigene[i], Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

} // namespace

std::unique_ptr<UebungsOrdner> UebungsOrdner::lege(const QString& appPfad, const Uebung& uebung,
                                                   QString* fehler) {
    std::unique_ptr<UebungsOrdner> o(new UebungsOrdner);
    const QDir host(QDir(appPfad).absolutePath());
    const QDir ziel(o->pfad());
    const auto gescheitert = [&](const QString& was) {
        *fehler = QStringLiteral("Das Übungsspiel kann nicht vorbereitet werden: %1").arg(was);
        return nullptr;
    };
    if (!o->dir_.isValid())
        return gescheitert(QStringLiteral("Im Ordner für vorläufige Dateien (%1) ist kein Platz "
                                          "oder kein Schreibrecht.")
                               .arg(QDir::tempPath()));
    QString tsp, mdb, spiel;
    for (const QString& name :
         host.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot | QDir::System)) {
        const QString quelle = host.filePath(name);
        switch (eigene(name)) {
        case 0:
            spiel = quelle;
            break;
        case 1:
            break; // written anew below
        case 2:
            tsp = quelle;
            break;
        case 3:
            mdb = quelle;
            break;
        default:
            if (name.compare(QStringLiteral("User"), Qt::CaseInsensitive) == 0) {
                if (!ziel.mkdir(name))
                    return gescheitert(QStringLiteral("Der Ordner User lässt sich nicht anlegen."));
                break;
            }
            if (!QFile::link(quelle, ziel.filePath(name)))
                return gescheitert(QStringLiteral("%1 lässt sich nicht verknüpfen.").arg(name));
        }
    }
    if (spiel.isEmpty() || tsp.isEmpty() || mdb.isEmpty())
        return gescheitert(QStringLiteral("Im Spielordner %1 fehlt zafku, Vokra.tsp oder "
                                          "Vokra-D.mdb.")
                               .arg(host.path()));
    // The game finds its files beside its own executable, so it must stand here itself.
    const QString eigenesSpiel = ziel.filePath(QStringLiteral("zafku"));
    if (::link(QFile::encodeName(spiel).constData(), QFile::encodeName(eigenesSpiel).constData()) !=
            0 &&
        !QFile::copy(spiel, eigenesSpiel))
        return gescheitert(QStringLiteral("Das Spiel lässt sich nicht kopieren."));
    const auto tspText = readHostText(tsp);
    if (!tspText)
        return gescheitert(QStringLiteral("Vokra.tsp kann nicht gelesen werden."));
    QStringList tspZeilen = splitHostLines(*tspText);
    for (QString& zeile : tspZeilen)
        if (zeile.endsWith(u',' + uebung.kennung))
            zeile = QStringLiteral("\"Deine Übungswörter\",") + uebung.kennung;
    const QString eigeneMdb = ziel.filePath(QStringLiteral("Vokra-D.mdb"));
    if (!QFile::copy(mdb, eigeneMdb) ||
        !QFile::setPermissions(eigeneMdb, QFile::ReadOwner | QFile::WriteOwner))
        return gescheitert(QStringLiteral("Vokra-D.mdb lässt sich nicht kopieren."));
    try {
        // The practised words' marked spots are replaced by exactly the ones practised.
        bericht::markiere(SqliteDatabase(eigeneMdb, SqliteDatabase::Zugriff::Schreiben), uebung,
                          bericht::Markierung::Ersetzen);
    } catch (const LaufzeitFehler& f) {
        return gescheitert(f.text());
    }
    if (!writeHostLinesAtomically(ziel.filePath(QStringLiteral("Vokra.kmp")),
                                  {uebung.kmpZeile(uebungsTipp())}) ||
        !writeHostLinesAtomically(ziel.filePath(QStringLiteral("Vokra.tsp")), tspZeilen))
        return gescheitert(QStringLiteral("Die Übung lässt sich nicht schreiben."));
    return o;
}

bool UebungsOrdner::uebernimmProtokoll(const QString& appPfad, const QString& datei,
                                       QString* fehler) const {
    const QString name = datei + QStringLiteral(".tmp");
    QFile eigene(QDir(resolveHostPath(pfad(), QStringLiteral("User"))).filePath(name));
    if (!eigene.exists())
        return true; // no answer given
    const QString ziel = resolveHostPath(resolveHostPath(appPfad, QStringLiteral("User")), name);
    const auto gescheitert = [&] {
        *fehler = QStringLiteral("Die Antworten des Übungsspiels können nicht nach %1 "
                                 "geschrieben werden.")
                      .arg(ziel);
        return false;
    };
    if (!eigene.open(QIODevice::ReadOnly))
        return gescheitert();
    const QByteArray zeilen = eigene.readAll();
    // Never through a link: the shared folder is writable by every player.
    const int fd = ::open(QFile::encodeName(ziel).constData(),
                          O_WRONLY | O_APPEND | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fd < 0)
        return gescheitert();
    QFile geteilt;
    const bool ok =
        geteilt.open(fd, QIODevice::WriteOnly | QIODevice::Append, QFileDevice::AutoCloseHandle) &&
        geteilt.write(zeilen) == zeilen.size() && geteilt.flush();
    if (!geteilt.isOpen())
        ::close(fd);
    return ok || gescheitert();
}

bool UebungsOrdner::uebernimmMeisterliste(const QString& appPfad, QString* fehler) const {
    const QString eigene = resolveHostPath(resolveHostPath(pfad(), QStringLiteral("User")),
                                           QStringLiteral("Meister.mdb"));
    // None without points, or when the host's list lives on the school's server.
    if (!QFileInfo::exists(eigene))
        return true;
    try {
        SqliteMeisterSpeicher hier(eigene);
        MeisterListe geteilt(
            oeffneMeisterSpeicher(appPfad, resolveHostPath(appPfad, QStringLiteral("User"))));
        for (const MeisterEintrag& e : hier.oeffneListe(MeisterListe::programm()))
            geteilt.pruefeEintrag(e);
    } catch (const LaufzeitFehler& f) {
        *fehler = QStringLiteral("Die Punkte des Übungsspiels konnten nicht in die Meisterliste "
                                 "eingetragen werden. %1")
                      .arg(f.text());
        return false;
    }
    return true;
}

} // namespace zafku::starter
