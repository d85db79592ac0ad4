#pragma once

#include <QString>

namespace zafku {

// A failed system call (errno) said in words a teacher understands, in German; the
// system's own texts are English.
QString systemFehlerText(int fehlerNummer);

} // namespace zafku
