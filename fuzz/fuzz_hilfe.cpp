// A help page of any bytes through the help window's own loader: it is shown as it stands
// or replaced by the notice, one past the size limit always replaced, and showing it
// finishes (a page that would freeze the window ends the run as a timeout).
#include "FuzzHilfe.h"

#include "help/HilfeBrowser.h"
#include "help/HilfeQuelle.h"

#include <QApplication>
#include <QImage>
#include <QUrl>

using namespace zafku;

// Caches that fontconfig keeps for the process's life.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const FuzzHost host;
    static int argc = 3;
    static char* argv[] = {const_cast<char*>("fuzz_hilfe"), const_cast<char*>("-platform"),
                           const_cast<char*>("offscreen"), nullptr};
    static QApplication app(argc, argv);
    static HilfeFenster fenster(host.file(QStringLiteral("Zafku")));
    // A picture the page may name, and one outside the folder it must not show.
    static const bool bereit = [] {
        QDir(host.path()).mkpath(QStringLiteral("Zafku"));
        host.write(QStringLiteral("Zafku/a.png"), QByteArray(10, 'x'));
        QImage(3, 2, QImage::Format_RGB32).save(host.file(QStringLiteral("geheim.png")));
        return true;
    }();
    (void)bereit;
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    host.write(QStringLiteral("Zafku/seite.html"), bytes);
    const QUrl url = QUrl::fromLocalFile(host.file(QStringLiteral("Zafku/seite.html")));
    const QVariant geladen = fenster.loadResource(QTextDocument::HtmlResource, url);
    // Which nesting is refused the tests say; working the depths out here again would parse
    // every page once more.
    const QByteArray gezeigt = geladen.toByteArray();
    PRUEFE(gezeigt == hilfeErsatzSeite() || (gezeigt == bytes && size <= size_t(kMaxHilfeSeite)),
           "a page is shown as it stands or replaced by the notice");
    PRUEFE(fenster.loadResource(QTextDocument::ImageResource, QUrl(QStringLiteral("../geheim.png")))
                   .value<QImage>()
                   .size() == QSize(1, 1),
           "nothing from outside the help folder, and no empty picture");
    if (fenster.source() == url)
        fenster.reload();
    else
        fenster.setSource(url);
    // Laying the page out loads its pictures.
    fenster.document()->setTextWidth(600);
    (void)fenster.document()->size();
    PRUEFE(fenster.toPlainText().size() <= qsizetype(size) + 200, "shown text from the page");
    // The scroll bars' queued signals would pile up without an event loop, and libFuzzer
    // takes every run that keeps memory for a leak to search for.
    QCoreApplication::sendPostedEvents();
    return 0;
}
