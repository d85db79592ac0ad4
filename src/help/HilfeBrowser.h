#pragma once

#include "platform/HelpViewer.h"

#include <map>
#include <memory>

class QTextBrowser;

namespace zafku {

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
    QTextBrowser* fenster(const QString& helpFile) const;

  private:
    void zeige(const QString& helpFile, long topic);

    std::map<QString, std::unique_ptr<QTextBrowser>> fenster_;
};

} // namespace zafku
