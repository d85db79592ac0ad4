#include "platform/HostLock.h"
#include "platform/AtomicReplace.h"
#include "platform/LaufzeitFehler.h"
#include "platform/SqliteDatabase.h"
#include "support/TempHost.h"

#include <QFileInfo>

#include <sys/stat.h>

#include <gtest/gtest.h>

using namespace zafku;
using namespace std::chrono_literals;

// One holder at a time, also within one process; the next takes over once it is gone.
TEST(HostLock, OneHolderAtATime) {
    TempHost host;
    auto erste = std::make_unique<HostLock>(host.path(), 0ms);
    ASSERT_TRUE(erste->held()) << erste->error().toStdString();
    const HostLock zweite(host.path(), 50ms);
    EXPECT_TRUE(!zweite.held() && zweite.waited() && !erste->waited());
    EXPECT_TRUE(zweite.error().contains("(Rechner ")) << zweite.error().toStdString();
    const auto andere = QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
    EXPECT_EQ(QFileInfo(host.file(".zafku-sperre")).permissions() & andere,
              QFile::ReadOther | QFile::WriteOther)
        << "teachers on other accounts share the lock";
    erste.reset();
    EXPECT_TRUE(HostLock(host.path(), 0ms).held());
}

// A FIFO or a link planted in place of the lock file is neither locked nor followed.
TEST(HostLock, RefusesWhatIsNoPlainFile) {
    TempHost aussen, rohr, verweis;
    ASSERT_EQ(mkfifo(QFile::encodeName(rohr.file(".zafku-sperre")).constData(), 0600), 0);
    const HostLock fifo(rohr.path(), 0ms);
    EXPECT_TRUE(!fifo.held() && fifo.error().contains("keine gewöhnliche"))
        << fifo.error().toStdString();
    QFile::link(aussen.file("sperre"), verweis.file(".zafku-sperre"));
    const HostLock link(verweis.path(), 0ms);
    EXPECT_TRUE(!link.held() && link.error().contains("nicht angelegt"))
        << link.error().toStdString();
    EXPECT_FALSE(QFile::exists(aussen.file("sperre")));
}

TEST(HostLinks, WritesStayInTheFolder) {
    TempHost aussen, host;
    aussen.writeBytes("fremd.txt", "fremd");
    QFile::link(aussen.file("fremd.txt"), host.file("raus.txt"));
    QFile::link(aussen.file("fremd.mdb"), host.file("Meister.mdb"));
    ASSERT_TRUE(replaceFileAtomically(host.file("raus.txt"), "neu").ok);
    EXPECT_EQ(aussen.readBytes("fremd.txt") + host.readBytes("raus.txt"), "fremdneu");
    EXPECT_THROW(SqliteDatabase(host.file("Meister.mdb"), SqliteDatabase::Zugriff::Schreiben),
                 LaufzeitFehler);
    EXPECT_FALSE(QFile::exists(aussen.file("fremd.mdb")));
}
