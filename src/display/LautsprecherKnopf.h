#pragma once

#include <QAbstractButton>

namespace zafku {

// A round button showing a loudspeaker, drawn for its own size so that it stays sharp at
// every size of the game. It never takes the keyboard focus from the insert button.
class LautsprecherKnopf : public QAbstractButton {
  public:
    explicit LautsprecherKnopf(QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* ereignis) override;
    void enterEvent(QEnterEvent* ereignis) override;
    void leaveEvent(QEvent* ereignis) override;
};

} // namespace zafku
