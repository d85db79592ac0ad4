#pragma once

#include <QString>

class QLabel;
class QWidget;

namespace zafku {

// Names, words, sentences and file names come from the host or the players: a label
// never reads them as markup, so "<u>Anna</u>" stays seven letters and two brackets.
QLabel* textLabel(QWidget* eltern, const QString& text = QString());

// A tool tip always guesses the format: the text goes in escaped.
QString textTipp(const QString& text);

} // namespace zafku
