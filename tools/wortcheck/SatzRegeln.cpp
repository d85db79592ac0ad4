#include "SatzRegeln.h"

#include <QRegularExpression>

namespace zafku::wortcheck {

namespace {

QString ausschnitt(const QString& wort, int anfang, int ende) {
    // Three letters such as "ein" stand in too many other words to tell anything.
    while (ende - anfang < 4 && ende - anfang < wort.size())
        anfang == 0 ? ++ende : --anfang;
    return wort.mid(anfang, ende - anfang);
}

} // namespace

QStringList schreibungMitUmfeld(const QString& wort, int vonPos, int laenge) {
    const int anfang = std::max(0, vonPos - 1 - 2);
    const int ende = vonPos - 1 + laenge;
    QStringList umfelder = {ausschnitt(wort, anfang, std::min<int>(wort.size(), ende + 2))};
    if (ende >= 4)
        umfelder.append(wort.mid(std::min(anfang, ende - 4), ende - std::min(anfang, ende - 4)));
    return umfelder;
}

QStringList ohneDativEndung(const QString& satz, const QHash<QString, QString>& kontexte) {
    static const QStringList nurDativ = {"mit", "von", "zu", "aus", "bei", "nach", "seit"};
    static const QRegularExpression trenner(QStringLiteral("[^\\w-]+"),
                                            QRegularExpression::UseUnicodePropertiesOption);
    const QStringList w = satz.split(trenner, Qt::SkipEmptyParts);
    QStringList falsch;
    for (int i = 0; i + 1 < w.size(); ++i) {
        if (w[i].compare(QLatin1String("den"), Qt::CaseInsensitive) != 0)
            continue;
        int n = i + 1;
        // Adjectives between article and noun: "mit den großen Händen".
        while (n < w.size() && w[n][0].isLower() && w[n].endsWith(QLatin1String("en")))
            ++n;
        if (n >= w.size() || !w[n][0].isUpper())
            continue;
        const QString& nomen = w[n];
        if (nomen.endsWith(u'n') || nomen.endsWith(u's'))
            continue;
        const QString kontext = kontexte.value(nomen);
        const bool dativ = i > 0 && nurDativ.contains(w[i - 1].toLower());
        if (dativ || kontext == QLatin1String("die") || kontext == QLatin1String("das"))
            falsch.append(nomen);
    }
    return falsch;
}

} // namespace zafku::wortcheck
