#include "HilfeDialog.h"

#include "platform/HelpViewer.h"

#include <QKeyEvent>

namespace zafku {

void HilfeDialog::setzeHilfe(HelpViewer* hilfe, const QString& hilfeDatei) {
    hilfe_ = hilfe;
    hilfeDatei_ = hilfeDatei;
}

void HilfeDialog::keyPressEvent(QKeyEvent* ereignis) {
    if (ereignis->key() == Qt::Key_F1 && hilfe_) {
        hilfe_->showTopic(hilfeDatei_, thema_);
        ereignis->accept();
        return;
    }
    QDialog::keyPressEvent(ereignis);
}

} // namespace zafku
