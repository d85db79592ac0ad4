#include "HilfeBrowser.h"

#include "HtmlHelpMod.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QUrl>
#include <QWindow>

namespace zafku {

HilfeFenster::HilfeFenster(QWidget* parent) : QTextBrowser(parent) {
    setWindowFlag(Qt::Window);
    setOpenLinks(true);
}

void HilfeFenster::ueberModalemFenster() {
    // Qt leaves a window usable beside a modal one only when it belongs to that window;
    // becoming the transient of the newest modal window is what lifts the block.
    QWindow* modal = QGuiApplication::modalWindow();
    QWindow* eigenes = windowHandle();
    if (modal && eigenes && modal != eigenes && eigenes->transientParent() != modal)
        eigenes->setTransientParent(modal);
}

bool HilfeFenster::event(QEvent* ereignis) {
    if (ereignis->type() == QEvent::WindowBlocked)
        ueberModalemFenster();
    return QTextBrowser::event(ereignis);
}

void HilfeFenster::keyPressEvent(QKeyEvent* taste) {
    if (taste->key() == Qt::Key_Escape && taste->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QTextBrowser::keyPressEvent(taste);
}

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

HilfeFenster* HilfeBrowser::fenster(const QString& helpFile) const {
    const auto it = fenster_.find(helpFile);
    return it == fenster_.end() ? nullptr : it->second.get();
}

void HilfeBrowser::zeige(const QString& helpFile, long topic) {
    auto& browser = fenster_[helpFile];
    if (!browser) {
        browser = std::make_unique<HilfeFenster>();
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
