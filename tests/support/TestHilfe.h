#pragma once

#include "platform/HelpViewer.h"

#include <QStringList>

// Notes each help call as "file:topic", "file" or "close file" (file name only).
class TestHilfe : public zafku::HelpViewer {
  public:
    QStringList aufrufe;
    QStringList* log = &aufrufe; // may point into a log shared with other fakes

    void showTopic(const QString& f, long t) override {
        log->append(f.section('/', -1) + ":" + QString::number(t));
    }
    void showDefault(const QString& f) override { log->append(f.section('/', -1)); }
    void closeAll(const QString& f) override { log->append("close " + f.section('/', -1)); }
};
