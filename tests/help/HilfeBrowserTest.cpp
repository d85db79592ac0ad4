#include "help/HilfeBrowser.h"
#include "support/TempHost.h"

#include <QTextBrowser>

#include <gtest/gtest.h>

using namespace zafku;

TEST(HilfeBrowser, OneWindowPerHelpFileShowingTopicOrDefaultPage) {
    TempHost host;
    host.writeBytes("Zafku/index.html", "<p>Bedienung</p>");
    host.writeBytes("Zafku/2000.html", "<p>Regeln</p>");
    host.writeBytes("Vesk/1703.html", "<p>Schwerpunkt</p>");
    const QString zafku = host.file("Zafku.chm");
    const QString vesk = host.file("Vesk.chm");
    HilfeBrowser hilfe;
    auto gezeigt = [&](const QString& datei) { return hilfe.fenster(datei)->toPlainText(); };

    hilfe.showTopic(zafku, 2000);
    QTextBrowser* fenster = hilfe.fenster(zafku);
    ASSERT_TRUE(fenster && fenster->isVisible());
    EXPECT_EQ(gezeigt(zafku), "Regeln");
    EXPECT_EQ(fenster->windowTitle(), "Zafku – Hilfe");
    hilfe.showTopic(zafku, 3003);
    EXPECT_EQ(gezeigt(zafku), "Bedienung");
    hilfe.showTopic(zafku, 2000);
    hilfe.showDefault(zafku);
    EXPECT_EQ(gezeigt(zafku), "Bedienung");
    EXPECT_EQ(hilfe.fenster(zafku), fenster);

    hilfe.showTopic(vesk, 1703);
    EXPECT_EQ(gezeigt(vesk), "Schwerpunkt");
    EXPECT_EQ(hilfe.fenster(vesk)->windowTitle(), "Übungsschwerpunkte – Hilfe");
    hilfe.closeAll(vesk);
    EXPECT_EQ(hilfe.fenster(vesk), nullptr);
    EXPECT_EQ(hilfe.fenster(zafku), fenster);
}
