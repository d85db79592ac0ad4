#include "Pruefungen.h"

#include <QRegularExpression>

namespace zafku::wortcheck {

namespace {

const QString vokale = QStringLiteral("aeiou");

// A word as it sounds for its family: umlauts, lengthening and doubled letters undone,
// so that fahren, Fahrrad and fährt, or Kuss and küssen, meet.
QString normal(const QString& wort) {
    QString w = wort.toLower();
    w.replace(QLatin1String("äu"), QLatin1String("au"))
        .replace(u'ä', u'a')
        .replace(u'ö', u'o')
        .replace(u'ü', u'u')
        .replace(u'ß', QLatin1String("ss"))
        .replace(QLatin1String("ck"), QLatin1String("k"))
        .replace(QLatin1String("tz"), QLatin1String("z"))
        .replace(QLatin1String("ie"), QLatin1String("i"));
    QString n;
    for (const QChar c : w) {
        if (!n.isEmpty() && n.back() == c)
            continue;
        // The lengthening h: after a vowel and before a consonant or the end.
        if (!n.isEmpty() && n.back() == u'h' && n.size() > 1 && vokale.contains(n[n.size() - 2]) &&
            !vokale.contains(c))
            n.chop(1);
        n.append(c);
    }
    if (n.size() > 1 && n.back() == u'h' && vokale.contains(n[n.size() - 2]))
        n.chop(1);
    return n;
}

// Vowels as a wildcard: a strong verb's family changes them (schließen, Schloss, Schlüssel).
QString ohneVokale(const QString& n) {
    QString s;
    for (const QChar c : n)
        s.append(vokale.contains(c) || c == u'y' ? u'*' : c);
    return s;
}

} // namespace

bool verwandt(const QString& aufgabe, int vonPos, const QString& anderes) {
    const QString t = normal(aufgabe);
    const QString c = normal(anderes);
    // The spot and the letter after it, and at least the first syllable up to its
    // consonant: a shared first letter alone (der, Delfin) makes no family.
    const auto silbe = [&] {
        qsizetype i = 0;
        while (i < t.size() && !vokale.contains(t[i]))
            ++i;
        while (i < t.size() && vokale.contains(t[i]))
            ++i;
        return static_cast<int>(i) + 1;
    };
    const int laenge = std::min<int>(
        t.size(), std::max(static_cast<int>(normal(aufgabe.left(vonPos - 1)).size()) + 2, silbe()));
    if (laenge < 3 || c.size() < 3)
        return false;
    if (c.left(laenge) == t.left(laenge))
        return true;
    // Only a long onset ("schl", "spr") keeps a changed vowel recognisable.
    const qsizetype anlaut = ohneVokale(t).indexOf(u'*');
    return anlaut >= 3 && ohneVokale(c).left(laenge) == ohneVokale(t).left(laenge);
}

void pruefeVerwandte(Material& m, QList<QuellFehler>& fehler) {
    static const QRegularExpression trenner(QStringLiteral("[^\\w]+"),
                                            QRegularExpression::UseUnicodePropertiesOption);
    QSet<QString> gemeldet;
    for (const Stelle& s : m.stellen) {
        const WortEintrag& w = *s.wort;
        for (const QString& anderes : w.satz.split(trenner, Qt::SkipEmptyParts)) {
            const QString schluessel = QStringLiteral("Verwandt %1 %2").arg(w.wort, anderes);
            if (gemeldet.contains(schluessel) || !verwandt(w.wort, s.vonPos, anderes))
                continue;
            gemeldet.insert(schluessel);
            if (!m.istGeprueft(schluessel))
                fehler.append({w.datei, w.zeile,
                               QStringLiteral("der Satz zeigt mit \"%1\" ein verwandtes Wort von "
                                              "\"%2\" (Übung %3)")
                                   .arg(anderes, w.wort, s.code)});
        }
    }
}

} // namespace zafku::wortcheck
