#include "BildLabel.h"

namespace zafku {

BildLabel::BildLabel(QWidget* parent) : QLabel(parent) {
    setAlignment(Qt::AlignCenter);
}

void BildLabel::setzeMaler(Maler maler) {
    maler_ = std::move(maler);
    male();
}

void BildLabel::resizeEvent(QResizeEvent* ereignis) {
    QLabel::resizeEvent(ereignis);
    male();
}

void BildLabel::male() {
    if (maler_ && !size().isEmpty())
        setPixmap(maler_(size(), devicePixelRatioF()));
}

} // namespace zafku
