#include "platform/AtomicReplace.h"
#include "support/TempHost.h"

#include <QDateTime>
#include <QRegularExpression>
#include <QSysInfo>

#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

using namespace zafku;

// At once on this machine, after an hour for another machine sharing the folder.
TEST(AtomicReplace, RemovesOnlyTheTemporaryFilesOfDeadWriters) {
    const QString hier = QSysInfo::machineHostName().replace(QRegularExpression("[^\\w-]|_"), "-");
    const pid_t kind = fork();
    if (kind == 0)
        _exit(0);
    waitpid(kind, nullptr, 0);
    const QString tot = QString::number(kind), lebt = QString::number(getpid());
    const std::tuple<QString, bool, bool> faelle[] = {
        {hier + "." + tot + ".a", false, false}, {hier + "." + lebt + ".a", false, true},
        {"anderer." + tot + ".a", false, true},  {"anderer." + tot + ".b", true, false},
        {hier + ".x" + tot + ".a", false, true}, {hier + "." + tot, false, true},
    };
    TempHost host;
    host.writeBytes("Vokra.ini", "[Zafku]");
    for (const auto& [name, alt, bleibt] : faelle) {
        host.writeBytes("Vokra.ini." + name + ".tmp", "halb");
        if (alt) {
            QFile datei(host.file("Vokra.ini." + name + ".tmp"));
            ASSERT_TRUE(datei.open(QIODevice::ReadWrite));
            datei.setFileTime(QDateTime::currentDateTime().addSecs(-3700),
                              QFileDevice::FileModificationTime);
        }
    }
    removeStaleTempFiles(host.file("Vokra.ini"));
    for (const auto& [name, alt, bleibt] : faelle)
        EXPECT_EQ(QFile::exists(host.file("Vokra.ini." + name + ".tmp")), bleibt)
            << name.toStdString();
}
