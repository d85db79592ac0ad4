#include "platform/HostPath.h"
#include "platform/HostTextFile.h"
#include "platform/Windows1252.h"
#include "support/TempHost.h"

#include <gtest/gtest.h>

using namespace zafku;

TEST(Windows1252, MapsGermanLettersAndTheHighControlRange) {
    const QByteArray bytes("\xE4\xF6\xFC\xC4\xD6\xDC\xDF\x80\x84\x93\x9F\xA0\xFF", 13);
    const QString text = QString::fromUtf8("äöüÄÖÜß€„“Ÿ\u00A0ÿ");
    EXPECT_EQ(decodeWindows1252(bytes), text);
    EXPECT_EQ(encodeWindows1252(text), bytes);
    EXPECT_EQ(encodeWindows1252(QString::fromUtf8("a→b")), QByteArray("a?b"));
    EXPECT_EQ(decodeWindows1252("\x81\x8D\x8F\x90\x9D"), QString(5, QChar(0xFFFD))) << "unassigned";
}

TEST(HostTextFile, WritesCrLfAndReadsAnyLineEnd) {
    TempHost host;
    ASSERT_TRUE(
        writeHostLinesAtomically(host.file("x.ini"), {QString::fromUtf8("Stärke=1"), " ", ""}));
    EXPECT_EQ(host.readBytes("x.ini"), QByteArray("St\xE4rke=1\r\n \r\n\r\n"));
    EXPECT_EQ(splitHostLines(QStringLiteral("a\r\nb\nc\rd")), QStringList({"a", "b", "c", "d"}));
    EXPECT_EQ(splitHostLines(QStringLiteral("a\r\n\r\n")), QStringList({"a", ""}));
    EXPECT_EQ(splitHostLines(QStringLiteral("\r\na")), QStringList({"", "a"}));
    EXPECT_EQ(*readHostText(host.file("x.ini")), QString::fromUtf8("Stärke=1\r\n \r\n\r\n"));
    EXPECT_FALSE(readHostText(host.file("fehlt.ini")).has_value());
    // Larger than its size says, like a file still being written: read to its end.
    EXPECT_TRUE(readHostText("/proc/self/status").value_or("").contains("Pid:"));
}

TEST(HostPath, MatchesEachComponentIgnoringCase) {
    TempHost host;
    host.writeBytes("Vokra.ini", "x");
    host.writeBytes("Sound/Applaus.wav", "x");
    const std::pair<const char*, const char*> faelle[] = {
        {"VOKRA.INI", "Vokra.ini"},
        {"vokra.ini", "Vokra.ini"},
        {"sound/APPLAUS.WAV", "Sound/Applaus.wav"},
        {"Sound\\Applaus.WAV", "Sound/Applaus.wav"},
        {"Sound/Neu.WAV", "Sound/Neu.WAV"},
        {"Fehlt/Applaus.wav", "Fehlt/Applaus.wav"},
    };
    for (const auto& [gesucht, gefunden] : faelle)
        EXPECT_EQ(resolveHostPath(host.path(), gesucht), host.path() + "/" + gefunden) << gesucht;
}
