#pragma once

#include <QString>

namespace zafku {

// The n-th (1-based) item of a ","-separated list, or "" past the end; the first empty
// item ends the list.
QString getListenEintrag(const QString& liste, int n);

// True when one of the items 1 to n of liste equals eintrag exactly.
bool isInListe(const QString& liste, const QString& eintrag, int n);

} // namespace zafku
