#include "Pruefungen.h"

#include "Hilfetexte.h"

#include <QRegularExpression>

namespace zafku::wortcheck {

namespace {

const QString vokale = QStringLiteral("aeiouäöüy");

const auto unicode = QRegularExpression::UseUnicodePropertiesOption;

// "Nach l, n und r": the letters a sentence makes its condition.
QString nachBuchstaben(const QString& satz) {
    static const QRegularExpression nach(
        QStringLiteral("\\b[Nn]ach (?:den Mitlauten )?(\\w(?:, \\w)*(?:,? (?:und|oder) \\w)?)\\b"),
        unicode);
    const auto m = nach.match(satz);
    if (!m.hasMatch() || m.captured(1).size() < 4)
        return {};
    QString buchstaben;
    for (const QString& teil : m.captured(1).split(QRegularExpression(QStringLiteral(",? "))))
        if (teil.size() == 1)
            buchstaben += teil;
    return buchstaben;
}

QStringList treffer(const QRegularExpression& muster, const QString& satz) {
    QStringList woerter;
    for (auto it = muster.globalMatch(satz); it.hasNext();) {
        const auto m = it.next();
        for (int g = 1; g <= m.lastCapturedIndex(); ++g)
            if (m.hasCaptured(g))
                woerter.append(m.captured(g));
    }
    return woerter;
}

const QRegularExpression& nurMuster() {
    static const QRegularExpression nur(QStringLiteral("\\bnur (\\w+)(?: oder (\\w+))?"), unicode);
    return nur;
}

const QRegularExpression& satzEnde() {
    static const QRegularExpression ende(QStringLiteral("(?<=[.!?])\\s+"));
    return ende;
}

} // namespace

QString buchstabenVor(const QString& text, const QString& schreibung) {
    for (const QString& satz : text.split(satzEnde(), Qt::SkipEmptyParts))
        if (treffer(nurMuster(), satz).contains(schreibung))
            if (const QString b = nachBuchstaben(satz); !b.isEmpty())
                return b;
    return {};
}

void pruefeBehauptungen(Material& m, const QString& datei, const QList<Absatz>& absaetze,
                        const QString& code, QList<QuellFehler>& fehler) {
    static const QRegularExpression statt(QStringLiteral("\\bstatt (\\w+) immer \\w+"), unicode);
    static const QRegularExpression nie(
        QStringLiteral("\\bnie (\\w+)(?: (?:oder|und nie) (\\w+))?"), unicode);
    // Only the exercise's own spellings: "nie mit" says nothing about the letters m, i, t.
    QSet<QString> schreibungen;
    if (const Uebung* u = uebungFuer(m, code))
        for (const SchreibPaar& p : u->kategorie.schreibPaare)
            schreibungen << p.schreibung1 << p.schreibung2;
    QString ganz;
    for (const Absatz& a : absaetze)
        ganz += a.text + u' ';
    const bool nenntLang = ganz.contains(QRegularExpression(QStringLiteral("\\blang")));
    const bool nenntZwielaut = ganz.contains(
        QRegularExpression(QStringLiteral("Zwielaut|\\bau, ei|\\bei, eu|\\bau\\b.*\\beu\\b")));
    const auto melde = [&](int zeile, const QString& schluessel, const QString& text) {
        if (!m.istGeprueft(code + QStringLiteral(" Text ") + schluessel))
            fehler.append({datei, zeile, text + QStringLiteral(" (Übung %1)").arg(code)});
    };
    for (const Absatz& a : absaetze)
        for (const QString& satz : a.text.split(satzEnde(), Qt::SkipEmptyParts)) {
            const QString buchstaben = nachBuchstaben(satz);
            // "statt zz immer tz", "nie ck": no task of the material may show it (after
            // the sentence's letters, where it names some).
            QStringList verboten = treffer(statt, satz) + treffer(nie, satz);
            verboten.removeIf([&](const QString& v) { return !schreibungen.contains(v); });
            for (const QString& v : verboten)
                for (const Stelle& s : m.stellen) {
                    const QString& wort = s.wort->wort;
                    const qsizetype at = wort.indexOf(v, 0, Qt::CaseInsensitive);
                    if (at < 0 || (!buchstaben.isEmpty() &&
                                   (at == 0 || !buchstaben.contains(wort[at - 1].toLower()))))
                        continue;
                    melde(a.zeile, wort,
                          QStringLiteral("\"%1\" sagt: nie %2, aber \"%3\" ist eine Aufgabe")
                              .arg(satz, v, wort));
                    break;
                }
            // "Nach l, n und r nur k oder z": every task of the exercise with that spelling
            // must be covered by the text, a vowel before it by what the text says of them.
            if (buchstaben.isEmpty())
                continue;
            const QStringList erlaubt = treffer(nurMuster(), satz);
            QSet<QString> gemeldet;
            for (const Stelle& s : m.stellen) {
                if (s.code != code || !erlaubt.contains(s.richtig) || s.vonPos < 2)
                    continue;
                const QString& wort = s.wort->wort;
                const QChar davor = wort[s.vonPos - 2].toLower();
                const bool zwielaut =
                    s.vonPos >= 3 &&
                    QStringLiteral("au ei eu äu ai").contains(wort.mid(s.vonPos - 3, 2).toLower());
                const bool gedeckt =
                    buchstaben.contains(davor) ||
                    (vokale.contains(davor) && (zwielaut ? nenntZwielaut : nenntLang));
                if (gedeckt || gemeldet.contains(wort))
                    continue;
                gemeldet.insert(wort);
                melde(a.zeile, wort,
                      QStringLiteral("\"%1\" nennt nur %2, die Aufgabe \"%3\" hat %4 nach %5")
                          .arg(satz, buchstaben, wort, s.richtig,
                               zwielaut ? QStringLiteral("einem Zwielaut") : QString(davor)));
            }
        }
}

} // namespace zafku::wortcheck
