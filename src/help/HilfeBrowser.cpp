#include "HilfeBrowser.h"

#include "HilfeQuelle.h"
#include "HtmlHelpMod.h"
#include "dialogs/Twips.h"

#include <QApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QKeyEvent>
#include <QRegularExpression>
#include <QScreen>
#include <QStringDecoder>
#include <QTextDocument>
#include <QTextFrame>
#include <QUrl>
#include <QWindow>

namespace zafku {

HilfeFenster::HilfeFenster(const QString& ordner, QWidget* parent)
    : QTextBrowser(parent), ordner_(ordner) {
    // A dialog-type window is what window managers keep above the window it belongs to.
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::WindowMinMaxButtonsHint);
    setOpenLinks(true);
}

namespace {

// The pages give their font sizes in points; they grow with the game's size.
QByteArray mitSchriftMassstab(const QByteArray& inhalt) {
    if (massstab() == 1.0)
        return inhalt;
    // Byte for byte through Latin-1, so the page's own encoding stays untouched.
    QString seite = QString::fromLatin1(inhalt);
    static const QRegularExpression groesse(QStringLiteral("font-size:\\s*([0-9.]+)pt"));
    QString neu;
    qsizetype bis = 0;
    for (auto it = groesse.globalMatch(seite); it.hasNext();) {
        const auto treffer = it.next();
        neu += seite.mid(bis, treffer.capturedStart(1) - bis) +
               QString::number(punkte(treffer.captured(1).toDouble()), 'f', 1);
        bis = treffer.capturedEnd(1);
    }
    neu += seite.mid(bis);
    return neu.toLatin1();
}

// The page's bytes as the browser decodes them.
QString alsText(const QByteArray& seite) {
    QStringDecoder dekodierer = QStringDecoder::decoderForHtml(seite);
    if (!dekodierer.isValid())
        dekodierer = QStringDecoder(QStringDecoder::Utf8);
    return dekodierer(seite);
}

int rahmenTiefe(const QTextFrame* rahmen) {
    int tiefste = 0;
    for (const QTextFrame* kind : rahmen->childFrames())
        tiefste = std::max(tiefste, 1 + rahmenTiefe(kind));
    return tiefste;
}

} // namespace

int tabellenTiefe(const QByteArray& seite) {
    // Read without layout, which is what grows steeply with the depth.
    QTextDocument dokument;
    dokument.setHtml(alsText(seite));
    return rahmenTiefe(dokument.rootFrame());
}

void HilfeFenster::ueberModalemFenster() {
    // Qt leaves a window usable beside a modal one only when it belongs to that window;
    // becoming the transient of the newest modal window is what lifts the block.
    QWindow* modal = QGuiApplication::modalWindow();
    QWindow* eigenes = windowHandle();
    if (modal && eigenes && modal != eigenes && eigenes->transientParent() != modal)
        eigenes->setTransientParent(modal);
}

QVariant HilfeFenster::loadResource(int type, const QUrl& name) {
    const QUrl url = name.isRelative() ? source().resolved(name) : name;
    const bool seite = type == QTextDocument::HtmlResource;
    const auto bytes =
        url.isLocalFile() ? leseHilfeQuelle(ordner_, url.toLocalFile(), seite) : std::nullopt;
    // The byte count of tables cannot know every way the toolkit reads a tag; its own
    // reading decides.
    if (seite)
        return bytes && tabellenTiefe(*bytes) <= kMaxTabellenTiefe ? mitSchriftMassstab(*bytes)
                                                                   : hilfeErsatzSeite();
    // Nothing empty goes back: the toolkit would then open the file by its name itself,
    // and a FIFO or a device there holds the window for good.
    QImage bild = bytes ? QImage::fromData(*bytes) : QImage();
    if (bild.isNull()) {
        bild = QImage(1, 1, QImage::Format_ARGB32);
        bild.fill(Qt::transparent);
    }
    return bild;
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
        browser = std::make_unique<HilfeFenster>(hilfeOrdner(helpFile));
        browser->setWindowTitle(hilfeTitel(helpFile));
        // Beside the game at the top right of the screen, as far as it has room.
        const QRect frei = QApplication::primaryScreen()->availableGeometry();
        browser->resize(std::min(twips(9600), frei.width()),
                        std::min(twips(8400), frei.height() - 60));
        browser->move(frei.right() - browser->width(), frei.top());
        // Belonging to the main window keeps the help above it when the game is clicked.
        QWidget* besitzer = besitzer_ ? besitzer_.data() : QApplication::activeModalWidget();
        if (besitzer && besitzer->window()->windowHandle()) {
            browser->winId();
            browser->windowHandle()->setTransientParent(besitzer->window()->windowHandle());
        }
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
