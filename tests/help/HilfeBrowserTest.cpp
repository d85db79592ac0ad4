#include "help/HilfeBrowser.h"
#include "help/HilfeQuelle.h"
#include "support/TempHost.h"

#include <QFile>
#include <QTextBrowser>

#include <gtest/gtest.h>

#include <sys/stat.h>

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

TEST(HilfeBrowser, ShowsOnlyBoundedFilesOfItsHelpFolder) {
    TempHost host;
    host.writeBytes("geheim.html", "<p>Fremd</p>");
    host.writeBytes("Zafku/bild.png", "kein Bild");
    ASSERT_EQ(mkfifo(QFile::encodeName(host.file("Zafku/rohr.png")).constData(), 0600), 0);
    QFile::link("/dev/zero", host.file("Zafku/null.png"));
    QFile::link(host.file("geheim.html"), host.file("Zafku/2001.html"));
    host.writeBytes("Zafku/2002.html", "<p>" + QByteArray(kMaxHilfeSeite, 'x') + "</p>");
    host.writeBytes("Zafku/2003.html", QByteArray("<b>").repeated(1000));
    host.writeBytes("Zafku/2005.html", QByteArray("<table><tr><td>").repeated(20));
    host.writeBytes("Zafku/2004.html", "<p>Gut<br><img src=\"a.png\"/></p>");
    HilfeFenster fenster(host.file("Zafku"));
    const QString zafku = host.file("Zafku");
    const struct {
        const char* datei;
        bool seite, geladen;
    } faelle[] = {
        {"bild.png", false, true},  {"rohr.png", false, false},      {"null.png", false, false},
        {"2001.html", true, false}, {"2002.html", true, false},      {"2003.html", true, false},
        {"2004.html", true, true},  {"../geheim.html", true, false}, {"2005.html", true, false},
    };
    for (const auto& f : faelle) {
        const QVariant v = fenster.loadResource(f.seite ? QTextDocument::HtmlResource
                                                        : QTextDocument::ImageResource,
                                                QUrl::fromLocalFile(zafku + "/" + f.datei));
        const bool ersatz = v.toByteArray() == hilfeErsatzSeite();
        EXPECT_EQ(v.isValid() && !ersatz, f.geladen) << f.datei;
        EXPECT_EQ(ersatz, f.seite && !f.geladen) << f.datei;
    }
    EXPECT_EQ(verschachtelung("<div><p>a<br>b</p><!-- <x><y> --><img src=x/></div>"), 2);
    EXPECT_EQ(verschachtelung("<div><x/><x/></div>"), 1) << "self-closed elements hold nothing";
    EXPECT_EQ(verschachtelung("<p>a<p"), 2) << "a tag cut off at the end still counts";
    EXPECT_EQ(verschachtelung("<table><tr><td><table></table></td></tr></table><table>", "table"),
              2);
}
