#pragma once

#include "Vorschlag.h"

#include <QString>

namespace zafku::eigene {

// A spot in words a teacher uses, with the word: "ß nach langem Selbstlaut (Straße)",
// "Großschreibung (Namenwort)". Without a word only the name.
QString stellenName(const Vorschlag& v, const QString& wort);

// The spot as the teacher's list shows it: its name, and why it is not ticked.
QString stellenZeile(const Vorschlag& v, const QString& wort);

} // namespace zafku::eigene
