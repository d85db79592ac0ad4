#include "ListenEintrag.h"

namespace zafku {

QString getListenEintrag(const QString& liste, int n) {
    qsizetype start = 0;
    for (int i = 1; start < liste.size(); ++i) {
        qsizetype ende = liste.indexOf(u',', start);
        if (ende < 0)
            ende = liste.size();
        if (ende == start)
            return {};
        if (i == n)
            return liste.mid(start, ende - start);
        start = ende + 1;
    }
    return {};
}

bool isInListe(const QString& liste, const QString& eintrag, int n) {
    for (int i = 1; i <= n; ++i) {
        if (getListenEintrag(liste, i) == eintrag)
            return true;
    }
    return false;
}

} // namespace zafku
