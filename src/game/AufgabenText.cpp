#include "AufgabenText.h"

#include "rdb/ListenEintrag.h"

#include <QCollator>

#include <algorithm>

namespace zafku {

QString wortZeile(const QString& lueckWort) {
    const qsizetype p = lueckWort.indexOf(u'_');
    if (p < 0)
        return lueckWort;
    return lueckWort.left(p) + QStringLiteral("    ") + lueckWort.mid(p + 1);
}

QString lueckSatz(const QString& lueckWort, const QString& satz) {
    const qsizetype p = lueckWort.indexOf(u'_');
    const QString wort = p < 0 ? lueckWort : lueckWort.left(p + 1) + lueckWort.mid(p);
    if (satz.trimmed().isEmpty())
        return wort;
    const qsizetype q = satz.indexOf(u'@');
    if (q < 0)
        return satz;
    return satz.left(q) + wort + satz.mid(q + 1);
}

QStringList listenEintraege(const QString& auswahlListe) {
    QStringList eintraege;
    for (int n = 1;; ++n) {
        const QString eintrag = getListenEintrag(auswahlListe, n);
        if (eintrag.isEmpty())
            break;
        eintraege.append(eintrag);
    }
    // German collation weighs letters before case: "f" before "V", "sie" before "Sie".
    std::stable_sort(eintraege.begin(), eintraege.end(),
                     QCollator(QLocale(QLocale::German, QLocale::Germany)));
    return eintraege;
}

bool istTippBuchstabe(QChar c) {
    const char16_t u = c.unicode();
    return (u >= u'A' && u <= u'Z') || (u >= u'a' && u <= u'z') ||
           QStringView(u"äÄöÖüÜß").contains(c);
}

} // namespace zafku
