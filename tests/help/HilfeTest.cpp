#include "dialogs/Skalierung.h"
#include "glob/SitzungsDaten.h"
#include "help/HilfeBrowser.h"
#include "help/HilfeQuelle.h"
#include "help/HtmlHelpMod.h"
#include "support/TempHost.h"

#include <QFile>
#include <QImage>
#include <QTextBrowser>

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace zafku;

TEST(HilfeBrowser, OneWindowPerHelpFileShowingTopicOrDefaultPage) {
    TempHost host;
    host.writeBytes("Zafku/index.html", "<p>Bedienung</p>");
    host.writeBytes("Zafku/2000.html", "<p style=\"font-size: 10pt\">Regeln</p>");
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
    wechsleMassstab(1.5); // the page's own font sizes grow with the game
    hilfe.showTopic(zafku, 2000);
    EXPECT_EQ(gezeigt(zafku), "Regeln");
    EXPECT_TRUE(fenster->toHtml().contains("font-size:15pt"));
    wechsleMassstab(1);
}

TEST(HilfeBrowser, ShowsOnlyBoundedFilesOfItsHelpFolder) {
    TempHost host;
    host.writeBytes("geheim.html", "<p>Fremd</p>");
    host.writeBytes("Zafku/kaputt.png", "kein Bild");
    QImage(3, 2, QImage::Format_RGB32).save(host.file("Zafku/bild.png"));
    ASSERT_EQ(mkfifo(QFile::encodeName(host.file("Zafku/rohr.png")).constData(), 0600), 0);
    QFile::link("/dev/zero", host.file("Zafku/null.png"));
    QFile::link(host.file("geheim.html"), host.file("Zafku/2001.html"));
    // A page may be a quarter megabyte, not a byte more.
    host.writeBytes("Zafku/2002.html", QByteArray(256 << 10, 'x'));
    host.writeBytes("Zafku/2006.html", QByteArray((256 << 10) + 1, 'x'));
    host.writeBytes("Zafku/2003.html", QByteArray("<b>").repeated(1000));
    host.writeBytes("Zafku/2005.html", QByteArray("<table><tr><td>").repeated(20));
    // The toolkit reads "<<!--x>" as a tag, not as a comment hiding the rest.
    host.writeBytes("Zafku/2007.html", "<<!--x>" + QByteArray("<table><tr><td>").repeated(7));
    host.writeBytes("Zafku/2004.html", "<p>Gut<br><img src=\"a.png\"/></p>");
    HilfeFenster fenster(host.file("Zafku"));
    const QString zafku = host.file("Zafku");
    const std::tuple<const char*, bool, bool> faelle[] = {
        {"bild.png", false, true},       {"rohr.png", false, false}, {"null.png", false, false},
        {"kaputt.png", false, false},    {"2001.html", true, false}, {"2002.html", true, true},
        {"2006.html", true, false},      {"2003.html", true, false}, {"2004.html", true, true},
        {"../geheim.html", true, false}, {"2005.html", true, false}, {"2007.html", true, false},
    };
    for (const auto& [datei, seite, geladen] : faelle) {
        QVariant v =
            fenster.loadResource(seite ? QTextDocument::HtmlResource : QTextDocument::ImageResource,
                                 QUrl::fromLocalFile(zafku + "/" + datei));
        // A picture left empty the toolkit would open by its name itself: one clear pixel.
        const QImage b = v.value<QImage>();
        if (!seite && b.size() != QSize(3, 2))
            v = b.pixelColor(0, 0) == Qt::transparent ? QVariant() : QVariant(hilfeErsatzSeite());
        const bool ersatz = v.toByteArray() == hilfeErsatzSeite();
        EXPECT_EQ(v.isValid() && !ersatz, geladen) << datei;
        EXPECT_EQ(ersatz, seite && !geladen) << datei;
    }
    EXPECT_EQ(verschachtelung("<p>a<br>b</p><!-- <x><y> --><p><i>c<img src=x/></i></p>"), 2);
    EXPECT_EQ(verschachtelung("<div><x/><x/></div>"), 1) << "self-closed elements hold nothing";
    EXPECT_EQ(verschachtelung("<p>a<p/"), 2) << "a tag cut off at the end still counts";
    EXPECT_EQ(verschachtelung("<table><tr><td><table></table></td></tr></table><b><b><b>", "table"),
              2);
}

TEST(InitHilfe, MapsEachCategoryGroupToItsTopicRange) {
    const std::pair<int, int> faelle[] = {
        {1, 1001},  {5, 1005},  {10, 1010}, {11, 1101}, {17, 1107}, {18, 1201}, {25, 1305},
        {26, 1401}, {30, 1503}, {31, 1601}, {34, 1703}, {39, 1708}, {40, 1801}, {42, 1901},
        {49, 2003}, {50, 2101}, {52, 2103}, {0, -7},    {53, -7},
    };
    for (const auto& [katNr, thema] : faelle) {
        SitzungsDaten daten;
        daten.katNr = katNr;
        daten.katHilfeNr = -7;
        initHilfe(daten);
        EXPECT_EQ(daten.katHilfeNr, thema) << "katNr " << katNr;
    }
}

TEST(HilfeSeite, ShippedHelpHasEveryTopic) {
    const QString ordner = ZAFKU_HOST_SOURCE "/hilfe/Zafku/";
    for (const long thema : {1000, 2000, 3003, 3004, 3005, 3006, 3007, 3008, 3009})
        EXPECT_EQ(hilfeSeite(ZAFKU_HOST_SOURCE "/hilfe/Zafku.chm", thema),
                  ordner + QString::number(thema) + ".html");
}
