#include "Pause.h"

#include <QEventLoop>
#include <QTimer>

namespace zafku {

void pauseOhneEingabe(int millisekunden) {
    QEventLoop schleife;
    QTimer::singleShot(millisekunden, &schleife, &QEventLoop::quit);
    schleife.exec(QEventLoop::ExcludeUserInputEvents);
}

} // namespace zafku
