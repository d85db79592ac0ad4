#pragma once

#include <QFont>
#include <QString>

namespace zafku {

// The fonts of the task display: Arial bold 12 pt for context and sentence, 21.75 pt
// for the large gap word.
QFont aufgabenSchrift(bool gross);

// Width in twips of characters von to bis (1-based, both included) of text in the task
// font, rounded to the nearest (halves to even).
int textBreite(const QString& text, int von, int bis, bool gross);

} // namespace zafku
