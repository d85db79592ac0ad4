#pragma once

#include <QDir>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <pwd.h>
#include <unistd.h>

// A PostgreSQL server of its own in a temporary folder, reachable only over a Unix socket
// there. Run as root, the server runs as the user postgres, who must own the folder.
class PgWegwerfServer {
  public:
    PgWegwerfServer() {
        const QString bin = binOrdner();
        if (bin.isEmpty()) {
            fehler_ = QStringLiteral("initdb not found (package postgresql)");
            return;
        }
        if (getuid() == 0) {
            const passwd* pg = getpwnam("postgres");
            if (!pg || chown(QFile::encodeName(dir_.path()).constData(), pg->pw_uid, pg->pw_gid)) {
                fehler_ = QStringLiteral("no user postgres to run the server as");
                return;
            }
        }
        const QString daten = dir_.filePath(QStringLiteral("data"));
        if (!lauf(bin + QStringLiteral("/initdb"),
                  {QStringLiteral("-D"), daten, QStringLiteral("-U"), QStringLiteral("postgres"),
                   QStringLiteral("-A"), QStringLiteral("trust"), QStringLiteral("-E"),
                   QStringLiteral("UTF8"), QStringLiteral("--locale=C"),
                   QStringLiteral("--no-sync")}))
            return;
        pgCtl_ = bin + QStringLiteral("/pg_ctl");
        daten_ = daten;
        laeuft_ = lauf(pgCtl_, {QStringLiteral("-D"), daten, QStringLiteral("-l"),
                                dir_.filePath(QStringLiteral("log")), QStringLiteral("-w"),
                                QStringLiteral("-t"), QStringLiteral("120"), QStringLiteral("-o"),
                                QStringLiteral("-k %1 -c listen_addresses='' -c fsync=off "
                                               "-c max_connections=60")
                                    .arg(dir_.path()),
                                QStringLiteral("start")});
    }

    ~PgWegwerfServer() {
        if (laeuft_)
            lauf(pgCtl_,
                 {QStringLiteral("-D"), daten_, QStringLiteral("-m"), QStringLiteral("immediate"),
                  QStringLiteral("-w"), QStringLiteral("stop")});
    }

    bool laeuft() const { return laeuft_; }
    const QString& fehler() const { return fehler_; }
    QString ordner() const { return dir_.path(); }
    QString verbindung() const {
        return QStringLiteral("host=%1 dbname=postgres user=postgres").arg(dir_.path());
    }

  private:
    static QString binOrdner() {
        const QDir pg(QStringLiteral("/usr/lib/postgresql"));
        QStringList versionen = pg.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        std::sort(versionen.begin(), versionen.end(),
                  [](const QString& a, const QString& b) { return a.toInt() > b.toInt(); });
        for (const QString& v : versionen)
            if (QFile::exists(pg.filePath(v + QStringLiteral("/bin/initdb"))))
                return pg.filePath(v + QStringLiteral("/bin"));
        return {};
    }

    bool lauf(const QString& programm, const QStringList& argumente) {
        QProcess p;
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.setWorkingDirectory(dir_.path());
        if (getuid() == 0)
            p.start(QStringLiteral("runuser"),
                    QStringList{QStringLiteral("-u"), QStringLiteral("postgres"),
                                QStringLiteral("--"), programm} +
                        argumente);
        else
            p.start(programm, argumente);
        if (!p.waitForFinished(180000) || p.exitStatus() != QProcess::NormalExit ||
            p.exitCode() != 0) {
            fehler_ = programm + QStringLiteral(" failed: ") + QString::fromLocal8Bit(p.readAll());
            return false;
        }
        return true;
    }

    QTemporaryDir dir_;
    QString pgCtl_;
    QString daten_;
    QString fehler_;
    bool laeuft_ = false;
};
