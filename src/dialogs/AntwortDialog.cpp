#include "AntwortDialog.h"

#include <QKeyEvent>
#include <QPushButton>

namespace zafku {

void AntwortDialog::setzeAntwort(const QString& beschriftung) {
    antwort_ = QString(beschriftung).remove(u'&');
}

void AntwortDialog::reject() {
    antwort_.clear();
    QDialog::reject();
}

void AntwortDialog::keyPressEvent(QKeyEvent* ereignis) {
    if (ereignis->key() != Qt::Key_Escape) {
        HilfeDialog::keyPressEvent(ereignis);
        return;
    }
    if (abbrechen_ && abbrechen_->isVisible())
        abbrechen_->click();
    ereignis->accept();
}

} // namespace zafku
