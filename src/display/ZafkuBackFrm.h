#pragma once

#include <QWidget>

namespace zafku {

// The quiet background behind the game's windows; it has no controls.
class ZafkuBackFrm : public QWidget {
    Q_OBJECT
  public:
    explicit ZafkuBackFrm(QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent*) override;
};

} // namespace zafku
