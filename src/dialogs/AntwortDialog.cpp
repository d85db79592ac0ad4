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

void AntwortDialog::setzeStandardKnopf(QPushButton* knopf) {
    standard_ = knopf;
    knopf->setDefault(true);
}

void AntwortDialog::showEvent(QShowEvent* ereignis) {
    HilfeDialog::showEvent(ereignis);
    if (standard_ && standard_->isVisible()) {
        standard_->setDefault(true);
        standard_->setFocus();
    }
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
