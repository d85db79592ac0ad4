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
    QCollator ohneFall{QLocale(QLocale::German, QLocale::Germany)};
    ohneFall.setCaseSensitivity(Qt::CaseInsensitive);
    QCollator mitFall{QLocale(QLocale::German, QLocale::Germany)};
    std::stable_sort(eintraege.begin(), eintraege.end(), [&](const QString& a, const QString& b) {
        const int c = ohneFall.compare(a, b);
        return c != 0 ? c < 0 : mitFall.compare(a, b) < 0;
    });
    return eintraege;
}

bool istTippBuchstabe(QChar c) {
    const char16_t u = c.unicode();
    return (u >= u'A' && u <= u'Z') || (u >= u'a' && u <= u'z') ||
           QStringView(u"äÄöÖüÜß").contains(c);
}

} // namespace zafku
