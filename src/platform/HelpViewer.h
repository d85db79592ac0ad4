#pragma once

#include <QString>

namespace zafku {

// Shows topics of a help file; a help file is a folder of HTML pages (see HtmlHelpMod).
class HelpViewer {
  public:
    virtual ~HelpViewer() = default;
    virtual void showTopic(const QString& helpFile, long topic) = 0;
    virtual void showDefault(const QString& helpFile) = 0;
    virtual void closeAll(const QString& helpFile) = 0;
};

} // namespace zafku
