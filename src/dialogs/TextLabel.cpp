#include "TextLabel.h"

#include <QLabel>
#include <QTextDocument>

namespace zafku {

QLabel* textLabel(QWidget* eltern, const QString& text) {
    auto* label = new QLabel(eltern);
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    return label;
}

QString textTipp(const QString& text) {
    return Qt::mightBeRichText(text) ? Qt::convertFromPlainText(text, Qt::WhiteSpaceNormal) : text;
}

} // namespace zafku
