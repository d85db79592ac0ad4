#include "kartei/PgKarteiSpeicher.h"
#include "kartei/Wortkartei.h"
#include "platform/LaufzeitFehler.h"
#include "support/PgTestServer.h"
#include "support/VollePlatte.h"

#include <QFile>
#include <QTcpServer>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace zafku::kartei;

namespace {

const QDate kHeute(2026, 12, 7);

class KarteiSpeicherTest : public ::testing::TestWithParam<std::string> {
  protected:
    void SetUp() override {
        // The store is chosen as the programs choose it: by the host's Vokra.ini.
        if (GetParam() != "PostgreSQL")
            return;
        QFile ini(dir.filePath("Vokra.ini"));
        ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
        ini.write("[Zafku]\r\nTonEinschalten=1\r\n[Meisterliste]\r\nServer=" +
                  pgServer().verbindung().toUtf8() + "\r\n[Sonst]\r\nServer=host=/nirgends\r\n");
        leerePg("DROP TABLE IF EXISTS Karten, Lesestand, Lesungen");
    }
    std::unique_ptr<KarteiSpeicher> neu() const {
        return oeffneKarteiSpeicher(dir.path(), dir.path());
    }
    void haengeAn(const QString& datei, const QByteArray& zeilen) const {
        QFile f(dir.filePath(datei + ".tmp"));
        ASSERT_TRUE(f.open(QIODevice::Append));
        f.write(zeilen);
    }
    Lesergebnis lies(KarteiSpeicher& s, const QString& datei, int tag = 0) const {
        return leseNeueZeilen(s, QFile::encodeName(dir.filePath(datei + ".tmp")), datei,
                              kHeute.addDays(tag), [](int r) { return r < 100; });
    }
    QTemporaryDir dir;
};

} // namespace

TEST_P(KarteiSpeicherTest, KeepsTheBoxAndCountsEachLineOnce) {
    auto s = neu();
    EXPECT_TRUE(s->alle().isEmpty());
    haengeAn("anna", "3= Bal\r\n4= OK\r\n");
    EXPECT_EQ(lies(*s, "anna").antworten, 2);
    haengeAn("anna", "5= Hunt\r\n500= OK\r\n6= OK\r\n");
    if (GetParam() == "SQLite") { // on a full disk the lines wait for the next reading
        const VollePlatte voll;
        EXPECT_THROW(lies(*s, "anna", 1), zafku::LaufzeitFehler);
    }
    const Lesergebnis r = lies(*s, "anna", 1);
    EXPECT_EQ(r.antworten, 2);
    EXPECT_EQ(r.unbekannt, 1);
    EXPECT_EQ(r.aenderungen.zurueck, QList<int>{5});
    EXPECT_EQ(lies(*s, "anna", 1).antworten, 0);
    QFile::remove(dir.filePath("anna.tmp"));
    EXPECT_EQ(lies(*s, "anna", 2).antworten, 0);
    EXPECT_EQ(lies(*neu(), "anna", 2).antworten, 0) << "a missing file holds no lock";

    const KindKartei k = neu()->alle().value("anna");
    EXPECT_EQ(k.karten, Karten({{3, {3, 1, kHeute.addDays(1)}}, {5, {5, 1, kHeute.addDays(2)}}}));
    EXPECT_EQ(k.lesungen, QList<Lesung>({{kHeute, 1, 2}, {kHeute.addDays(1), 3, 5}}));
    EXPECT_EQ(k.stand.zeilen, 5);
    EXPECT_TRUE(imZeitraum(k.lesungen, 4, kHeute.addDays(1)));
    EXPECT_FALSE(imZeitraum(k.lesungen, 2, kHeute.addDays(1)));
    EXPECT_FALSE(imZeitraum(k.lesungen, 6, kHeute)) << "a line not read yet has no date";
}

// Each appends a wrong word to anna's file and its own and reads both at once.
TEST_P(KarteiSpeicherTest, TwentyProcessesAtOnceLoseNothing) {
    neu()->alle();
    QList<pid_t> kinder;
    for (int i = 0; i < 20; ++i) {
        const pid_t pid = fork();
        if (pid == 0) {
            int gezaehlt = 0;
            try {
                auto s = neu();
                haengeAn(QString("kind%1").arg(i), QByteArray::number(i) + "= x\r\n");
                haengeAn("anna", QByteArray::number(i) + "= x\r\n");
                gezaehlt = lies(*s, QString("kind%1").arg(i)).antworten * 100;
                gezaehlt += lies(*s, "anna").antworten;
            } catch (...) {
                _exit(255);
            }
            _exit(gezaehlt);
        }
        kinder.append(pid);
    }
    int anna = 0;
    for (pid_t pid : kinder) {
        int status = 0;
        waitpid(pid, &status, 0);
        ASSERT_TRUE(WIFEXITED(status));
        const int code = WEXITSTATUS(status);
        ASSERT_EQ(code / 100, 1) << "exit code " << code;
        anna += code % 100;
    }
    auto s = neu();
    anna += lies(*s, "anna").antworten;
    EXPECT_EQ(anna, 20);
    const auto alle = s->alle();
    EXPECT_EQ(alle.value("anna").karten.size(), 20);
    for (int i = 0; i < 20; ++i)
        EXPECT_EQ(alle.value(QString("kind%1").arg(i)).karten.keys(), QList<int>{i});
}

INSTANTIATE_TEST_SUITE_P(BothStores, KarteiSpeicherTest, ::testing::Values("SQLite", "PostgreSQL"),
                         [](const auto& info) { return info.param; });

// Missing, silent, or a password in Vokra.ini: one line naming the server, not the password.
TEST(PgKarteiSpeicher, GivesUpWithAClearMessage) {
    QTcpServer stumm; // without an event loop the kernel alone accepts
    ASSERT_TRUE(stumm.listen(QHostAddress::LocalHost));
    const QString still = QString("host=127.0.0.1 port=%1 user=zafku").arg(stumm.serverPort());
    const std::tuple<QString, const char*, QString> faelle[] = {
        {"host=/nirgends connect_timeout=2", "nicht erreichbar", "/nirgends/.s.PGSQL"},
        {still, "antwortet nicht", "(" + still + ")"},
        {"host=schule password=geheim", "Kennwort", "Vokra.ini"},
    };
    for (const auto& [verbindung, erwartet, genannt] : faelle) {
        PgKarteiSpeicher s(verbindung, 1, 1);
        try {
            s.alle();
            ADD_FAILURE() << "no usable server: " << verbindung.toStdString();
        } catch (const zafku::LaufzeitFehler& e) {
            EXPECT_TRUE(e.text().startsWith("Die Wortkartei")) << e.text().toStdString();
            EXPECT_TRUE(e.text().contains(erwartet)) << e.text().toStdString();
            EXPECT_TRUE(e.text().contains(genannt)) << e.text().toStdString();
            EXPECT_FALSE(e.text().contains(u'\n') || e.text().contains("geheim"));
        }
    }
}
