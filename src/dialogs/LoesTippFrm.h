#pragma once

#include <QDialog>

class QLabel;

namespace zafku {

// Shows the tip text of the practised category; filled once, shown on request.
class LoesTippFrm : public QDialog {
    Q_OBJECT
  public:
    explicit LoesTippFrm(QWidget* parent = nullptr);

    // Wraps the text and centres it vertically in the frame.
    void setzeTipp(const QString& text);

  private:
    QLabel* katKurzHilfeLbl_;
};

} // namespace zafku
