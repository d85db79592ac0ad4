#pragma once

#include <QLabel>

#include <functional>

namespace zafku {

// A label whose picture is drawn in code for the label's own size and the screen's pixel
// density, and drawn again whenever the window changes its size: sharp at any scale.
class BildLabel : public QLabel {
  public:
    using Maler = std::function<QPixmap(QSize groesse, qreal pixelRatio)>;

    explicit BildLabel(QWidget* parent = nullptr);

    void setzeMaler(Maler maler);

  protected:
    void resizeEvent(QResizeEvent* ereignis) override;

  private:
    void male();

    Maler maler_;
};

} // namespace zafku
