#pragma once

#include "platform/HelpViewer.h"

#include <QPointer>
#include <QTextBrowser>

#include <map>
#include <memory>

namespace zafku {

// How deeply tables nest in a page as the help window reads it.
int tabellenTiefe(const QByteArray& seite);

// A help window: a page browser that Esc closes. The game's windows are modal, so it
// keeps itself out of their block: a child may think while the game waits, and read
// on while a message is open.
class HilfeFenster : public QTextBrowser {
    Q_OBJECT
  public:
    // Pages and pictures come only from ordner.
    explicit HilfeFenster(const QString& ordner, QWidget* parent = nullptr);

    QVariant loadResource(int type, const QUrl& name) override;

  protected:
    bool event(QEvent* ereignis) override;
    void keyPressEvent(QKeyEvent* taste) override;

  private:
    void ueberModalemFenster();

    QString ordner_;
};

// Help windows over folders of HTML pages, one window per help file; they live
// independently of the game's windows until closeAll.
class HilfeBrowser : public HelpViewer {
  public:
    HilfeBrowser();
    ~HilfeBrowser() override;

    void showTopic(const QString& helpFile, long topic) override;
    void showDefault(const QString& helpFile) override;
    void closeAll(const QString& helpFile) override;

    // The open window of a help file, or nullptr.
    HilfeFenster* fenster(const QString& helpFile) const;
    // The window the help windows belong to and stay above: the game's main window.
    void setzeBesitzer(QWidget* besitzer) { besitzer_ = besitzer; }

  private:
    void zeige(const QString& helpFile, long topic);

    std::map<QString, std::unique_ptr<HilfeFenster>> fenster_;
    QPointer<QWidget> besitzer_;
};

} // namespace zafku
