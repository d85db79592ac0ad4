#pragma once

#include <QDir>
#include <QProcess>
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
            fehler_ = "initdb not found (package postgresql)";
            return;
        }
        const passwd* pg = getuid() == 0 ? getpwnam("postgres") : nullptr;
        if (getuid() == 0 &&
            (!pg || chown(QFile::encodeName(dir_.path()), pg->pw_uid, pg->pw_gid))) {
            fehler_ = "no user postgres to run the server as";
            return;
        }
        daten_ = dir_.filePath("data");
        pgCtl_ = bin + "/pg_ctl";
        laeuft_ = lauf(bin + "/initdb", {"-D", daten_, "-U", "postgres", "-A", "trust", "-E",
                                         "UTF8", "--locale=C", "--no-sync"}) &&
                  lauf(pgCtl_, {"-D", daten_, "-l", dir_.filePath("log"), "-w", "-t", "120", "-o",
                                QString("-k %1 -c listen_addresses='' -c fsync=off "
                                        "-c max_connections=60")
                                    .arg(dir_.path()),
                                "start"});
    }
    ~PgWegwerfServer() {
        if (laeuft_)
            lauf(pgCtl_, {"-D", daten_, "-m", "immediate", "-w", "stop"});
    }

    bool laeuft() const { return laeuft_; }
    const QString& fehler() const { return fehler_; }
    QString ordner() const { return dir_.path(); }
    QString verbindung() const {
        return QString("host=%1 dbname=postgres user=postgres").arg(dir_.path());
    }

  private:
    static QString binOrdner() {
        const QDir pg("/usr/lib/postgresql");
        QStringList versionen = pg.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        std::sort(versionen.begin(), versionen.end(),
                  [](const QString& a, const QString& b) { return a.toInt() > b.toInt(); });
        for (const QString& v : versionen)
            if (QFile::exists(pg.filePath(v + "/bin/initdb")))
                return pg.filePath(v + "/bin");
        return {};
    }

    bool lauf(const QString& programm, const QStringList& argumente) {
        QProcess p;
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.setWorkingDirectory(dir_.path());
        if (getuid() == 0)
            p.start("runuser", QStringList{"-u", "postgres", "--", programm} + argumente);
        else
            p.start(programm, argumente);
        if (p.waitForFinished(180000) && p.exitStatus() == QProcess::NormalExit &&
            p.exitCode() == 0)
            return true;
        fehler_ = programm + " failed: " + QString::fromLocal8Bit(p.readAll());
        return false;
    }

    QTemporaryDir dir_;
    QString pgCtl_, daten_, fehler_;
    bool laeuft_ = false;
};
