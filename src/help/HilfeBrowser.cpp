#include "HilfeBrowser.h"

#include "HtmlHelpMod.h"

#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>

namespace zafku {

HilfeBrowser::HilfeBrowser() = default;
HilfeBrowser::~HilfeBrowser() = default;

void HilfeBrowser::showTopic(const QString& helpFile, long topic) {
    zeige(helpFile, topic);
}

void HilfeBrowser::showDefault(const QString& helpFile) {
    zeige(helpFile, -1);
}

void HilfeBrowser::closeAll(const QString& helpFile) {
    fenster_.erase(helpFile);
}

QTextBrowser* HilfeBrowser::fenster(const QString& helpFile) const {
    const auto it = fenster_.find(helpFile);
    return it == fenster_.end() ? nullptr : it->second.get();
}

void HilfeBrowser::zeige(const QString& helpFile, long topic) {
    auto& browser = fenster_[helpFile];
    if (!browser) {
        browser = std::make_unique<QTextBrowser>();
        browser->setWindowTitle(hilfeTitel(helpFile));
        browser->resize(640, 520);
    }
    const QString seite = hilfeSeite(helpFile, topic);
    // A missing help folder shows an empty window; the game carries on regardless.
    if (QFileInfo(seite).isFile())
        browser->setSource(QUrl::fromLocalFile(seite));
    else
        browser->clear();
    browser->show();
    browser->raise();
    browser->activateWindow();
}

} // namespace zafku
