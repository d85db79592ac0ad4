#include "Pruefungen.h"

#include <QRegularExpression>

namespace zafku::wortcheck {

namespace {

// The genders (m, f, n) a word before a noun in the singular can stand with; an
// inflected "dies-", "jed-", "welch-" ends like the definite article, "mein-", "kein-"
// and the other possessives like "ein".
QString geschlechterVor(const QString& begleiter) {
    static const QHash<QString, QString> bestimmt = {
        {"der", "mf"},  {"die", "f"}, {"das", "n"}, {"dem", "mn"}, {"den", "m"},
        {"des", "mn"},  {"im", "mn"}, {"am", "mn"}, {"vom", "mn"}, {"zum", "mn"},
        {"beim", "mn"}, {"zur", "f"}, {"ins", "n"}, {"ans", "n"},
    };
    static const QHash<QString, QString> endungDer = {
        {"er", "mf"}, {"e", "f"}, {"es", "mn"}, {"em", "mn"}, {"en", "m"}};
    static const QHash<QString, QString> endungEin = {{"", "mn"},   {"e", "f"},  {"en", "m"},
                                                      {"em", "mn"}, {"er", "f"}, {"es", "mn"}};
    static const QRegularExpression derWort(QStringLiteral("^(dies|jed|welch)(er|e|es|em|en)$"));
    static const QRegularExpression einWort(
        QStringLiteral("^(ein|kein|mein|dein|sein|ihr|unser|euer|eur)(e|en|em|er|es)?$"));
    const QString b = begleiter.toLower();
    if (bestimmt.contains(b))
        return bestimmt.value(b);
    if (const auto m = derWort.match(b); m.hasMatch())
        return endungDer.value(m.captured(2));
    if (const auto m = einWort.match(b); m.hasMatch())
        return endungEin.value(m.captured(2));
    return {};
}

} // namespace

QString artikelWiderspruch(const QString& kontext, const QString& satz) {
    static const QHash<QString, QChar> geschlecht = {{"der", u'm'}, {"die", u'f'}, {"das", u'n'}};
    static const QRegularExpression trenner(QStringLiteral("[^\\w@]+"),
                                            QRegularExpression::UseUnicodePropertiesOption);
    static const QStringList mehrzahlVerben = {"sind", "waren", "haben", "werden"};
    if (!geschlecht.contains(kontext))
        return {};
    const QStringList worte = satz.split(trenner, Qt::SkipEmptyParts);
    const qsizetype luecke = worte.indexOf(QStringLiteral("@"));
    if (luecke < 0)
        return {};
    // Adjectives between the article and the noun: "die kalten @".
    qsizetype i = luecke - 1;
    while (i > 0 && worte[i][0].isLower() &&
           (worte[i].endsWith(u'e') || worte[i].endsWith(QLatin1String("en")) ||
            worte[i].endsWith(QLatin1String("er")) || worte[i].endsWith(QLatin1String("es"))) &&
           geschlechterVor(worte[i]).isEmpty())
        --i;
    const QString begleiter = i >= 0 ? worte[i] : QString();
    const QString moeglich = geschlechterVor(begleiter);
    // Only where the noun opens the sentence is the verb after it its own ("In der @
    // sind Kekse" speaks of the biscuits).
    static const QStringList mitVerhaeltniswort = {"im",   "am",  "vom", "zum",
                                                   "beim", "zur", "ins", "ans"};
    const bool mehrzahl = i <= 0 && !mitVerhaeltniswort.contains(begleiter.toLower()) &&
                          luecke + 1 < worte.size() && mehrzahlVerben.contains(worte[luecke + 1]);
    if (!moeglich.isEmpty() && !moeglich.contains(geschlecht.value(kontext)))
        return QStringLiteral("%1 @").arg(begleiter);
    if (mehrzahl)
        return QStringLiteral("@ %1").arg(worte[luecke + 1]);
    return {};
}

void pruefeArtikel(Material& m, QList<QuellFehler>& fehler) {
    for (const WortEintrag& w : m.woerter) {
        const QString grund = artikelWiderspruch(w.kontext, w.satz);
        if (!grund.isEmpty() && !m.istGeprueft(QStringLiteral("Artikel ") + w.wort))
            fehler.append({w.datei, w.zeile,
                           QStringLiteral("Kontext \"%1\" passt nicht zu \"%2\": der Satz braucht "
                                          "die Mehrzahl oder ein anderes Geschlecht")
                               .arg(w.kontext, grund)});
    }
}

} // namespace zafku::wortcheck
