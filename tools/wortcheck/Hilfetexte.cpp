#include "Hilfetexte.h"

#include <QRegularExpression>

namespace zafku::wortcheck {

namespace {

QStringList woerterIn(const QString& text) {
    static const QRegularExpression trenner(QStringLiteral("[^\\w]+"),
                                            QRegularExpression::UseUnicodePropertiesOption);
    return text.split(trenner, Qt::SkipEmptyParts);
}

QStringList saetze(const QString& absatz) {
    static const QRegularExpression ende(QStringLiteral("(?<=[.!?])\\s+"));
    return absatz.split(ende, Qt::SkipEmptyParts);
}

// "viel (fiel)", "Dorf/Torf": the words on either side of a slash, in brackets and the
// one just before a bracket.
QStringList genannteWoerter(const QString& satz) {
    static const QRegularExpression paar(QStringLiteral("(\\w+)/(\\w+)|(\\w+)? \\(([^)]*)\\)"),
                                         QRegularExpression::UseUnicodePropertiesOption);
    QStringList woerter;
    for (auto it = paar.globalMatch(satz); it.hasNext();) {
        const auto m = it.next();
        if (m.hasCaptured(1)) {
            woerter << m.captured(1) << m.captured(2);
            continue;
        }
        if (m.hasCaptured(3))
            woerter << m.captured(3);
        woerter << woerterIn(m.captured(4));
    }
    return woerter;
}

bool hatZwielaut(const QString& wort) {
    static const QRegularExpression zwielaut(QStringLiteral("au|äu|eu|ei|ai"),
                                             QRegularExpression::CaseInsensitiveOption |
                                                 QRegularExpression::UseUnicodePropertiesOption);
    return zwielaut.match(wort).hasMatch();
}

} // namespace

QList<Absatz> absaetzeDerSeite(const QString& html) {
    static const QRegularExpression tag(QStringLiteral("<[^>]*>"));
    const QStringList zeilen = html.split(u'\n');
    QList<Absatz> absaetze;
    bool imKopf = true;
    for (int i = 0; i < zeilen.size(); ++i) {
        if (zeilen[i].contains(QLatin1String("<body")))
            imKopf = false;
        const QString text = QString(zeilen[i])
                                 .replace(tag, QStringLiteral(" "))
                                 .replace(QLatin1String("&ndash;"), QStringLiteral("–"))
                                 .simplified()
                                 .replace(QLatin1String(" ,"), QLatin1String(","))
                                 .replace(QLatin1String(" ."), QLatin1String("."));
        if (!imKopf && !text.isEmpty())
            absaetze.append({text, i + 1});
    }
    return absaetze;
}

QList<Aussage> aussagen(const QList<Absatz>& absaetze) {
    static const QRegularExpression ausgelassen(
        QStringLiteral("nicht (als Aufgaben )?enthalten|ausgelassen|nicht in der Übung"));
    static const QRegularExpression paare(
        QStringLiteral("Wort ergibt|Wort ergäbe|Wörter sind|Wörter ergeben|klingende"));
    static const QRegularExpression alleAnderen(QStringLiteral("(?<!fast )\\balle anderen\\b"),
                                                QRegularExpression::CaseInsensitiveOption |
                                                    QRegularExpression::UseUnicodePropertiesOption);
    static const QRegularExpression lang(QStringLiteral("\\blang(e|em|en|er|es)?\\b"),
                                         QRegularExpression::UseUnicodePropertiesOption);
    static const QRegularExpression zwielautGenannt(
        QStringLiteral("Zwielaut|\\b(au|äu|eu|ei|ai)\\b"));
    QList<Aussage> gefunden;
    QStringList vorige;
    for (const Absatz& a : absaetze) {
        QStringList bisher = vorige;
        for (const QString& satz : saetze(a.text)) {
            if (satz.contains(ausgelassen)) {
                gefunden.append({Aussage::Ausgelassen, satz, genannteWoerter(satz), a.zeile});
                if (satz.contains(paare))
                    gefunden.append(
                        {Aussage::KeinePaare, satz, {}, a.zeile, QString(a.text).remove(satz)});
            }
            if (satz.contains(alleAnderen))
                gefunden.append({Aussage::AlleAnderen, satz, bisher, a.zeile});
            const qsizetype doppelpunkt = satz.lastIndexOf(u':');
            if (doppelpunkt > 0 && satz.left(doppelpunkt).contains(lang) &&
                !satz.contains(zwielautGenannt)) {
                QStringList zwielaute = woerterIn(satz.mid(doppelpunkt));
                zwielaute.removeIf([](const QString& w) { return !hatZwielaut(w); });
                if (!zwielaute.isEmpty())
                    gefunden.append({Aussage::ZwielautAlsLang, satz, zwielaute, a.zeile});
            }
            // The words a later "all others" sets apart: those listed after a colon.
            if (doppelpunkt > 0)
                bisher = woerterIn(satz.mid(doppelpunkt));
        }
        vorige = bisher;
    }
    return gefunden;
}

} // namespace zafku::wortcheck
