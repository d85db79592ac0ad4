#include "Wortschatz.h"

#include <QFile>
#include <QProcess>
#include <QRandomGenerator>

namespace zafku::wortcheck {

std::optional<Wortschatz> Wortschatz::lade(const QString& pfad) {
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly))
        return std::nullopt;
    Wortschatz w;
    const QStringList zeilen = QString::fromUtf8(datei.readAll()).split(u'\n');
    w.woerter_.reserve(zeilen.size());
    for (const QString& z : zeilen)
        if (!z.trimmed().isEmpty())
            w.woerter_.insert(z.trimmed());
    return w;
}

bool Wortschatz::enthaelt(const QString& wort) const {
    if (woerter_.contains(wort))
        return true;
    return !wort.isEmpty() && wort[0].isUpper() &&
           woerter_.contains(wort.left(1).toLower() + wort.mid(1));
}

namespace {

// hunspell with the German dictionary over `eingabe`; its output, or nullopt with the reason.
std::optional<QString> hunspell(const QStringList& optionen, const QString& eingabe,
                                QString& fehler) {
    QProcess p;
    p.start(QStringLiteral("hunspell"), QStringList{QStringLiteral("-d"), QStringLiteral("de_DE"),
                                                    QStringLiteral("-i"), QStringLiteral("utf-8")} +
                                            optionen);
    if (!p.waitForStarted()) {
        fehler = QStringLiteral("hunspell kann nicht gestartet werden");
        return std::nullopt;
    }
    p.write(eingabe.toUtf8());
    p.closeWriteChannel();
    if (!p.waitForFinished(120000) || p.exitCode() != 0) {
        fehler = QStringLiteral("hunspell ist fehlgeschlagen: %1")
                     .arg(QString::fromUtf8(p.readAllStandardError()).trimmed());
        return std::nullopt;
    }
    return QString::fromUtf8(p.readAllStandardOutput());
}

// Each input line of hunspell's -s and -a modes ends in an empty line of output.
std::optional<QList<QStringList>> antwortJeWort(const QStringList& woerter,
                                                const QStringList& optionen, const QString& vorsatz,
                                                QString& fehler) {
    QString eingabe;
    for (const QString& w : woerter)
        eingabe += vorsatz + w + u'\n';
    const auto text = hunspell(optionen, eingabe, fehler);
    if (!text)
        return std::nullopt;
    QList<QStringList> antworten(1);
    for (const QString& zeile : text->split(u'\n')) {
        if (!zeile.isEmpty())
            antworten.last().append(zeile);
        else if (!antworten.last().isEmpty())
            antworten.append(QStringList());
    }
    antworten.removeLast();
    if (antworten.size() != woerter.size()) {
        fehler = QStringLiteral("hunspell hat nicht jedes Wort geprüft");
        return std::nullopt;
    }
    return antworten;
}

} // namespace

std::optional<QList<bool>> echteWoerter(const QStringList& woerter, QString& fehler) {
    if (woerter.isEmpty())
        return QList<bool>();
    const auto antworten = antwortJeWort(woerter, {QStringLiteral("-s")}, QString(), fehler);
    if (!antworten)
        return std::nullopt;
    QList<bool> echt;
    // A word with its stem beside it; a word hunspell only builds from parts stands alone.
    // A capitalised word needs a capitalised stem: "Kam" is no noun.
    for (int i = 0; i < woerter.size(); ++i) {
        const QStringList& a = antworten->at(i);
        const bool gross = !woerter[i].isEmpty() && woerter[i][0].isUpper();
        echt.append(std::any_of(a.begin(), a.end(), [&](const QString& z) {
            const QString stamm = z.section(u' ', 1, 1);
            return !stamm.isEmpty() && (!gross || stamm[0].isUpper());
        }));
    }
    return echt;
}

std::optional<QList<QStringList>> rechtschreibVorschlaege(const QStringList& woerter,
                                                          QString& fehler) {
    if (woerter.isEmpty())
        return QList<QStringList>();
    // "^" keeps a line from being read as a command; the banner line comes first.
    auto antworten = antwortJeWort(woerter, {QStringLiteral("-a")}, QStringLiteral("^"), fehler);
    if (!antworten)
        return std::nullopt;
    QList<QStringList> vorschlaege;
    for (QStringList& a : *antworten) {
        if (vorschlaege.isEmpty() && a.value(0).startsWith(u'@'))
            a.removeFirst();
        const QString z = a.value(0);
        // "& Schnekce 2 1: Schnecke, Schnee"
        vorschlaege.append(
            z.startsWith(u'&')
                ? z.section(QStringLiteral(": "), 1).split(QStringLiteral(", "), Qt::SkipEmptyParts)
                : QStringList());
    }
    return vorschlaege;
}

// A made-up word between the texts marks where one ends in the checker's output, so the
// words are assigned in one pass, however many texts and rejected words there are.
std::optional<QList<QStringList>> rechtschreibFehler(const QStringList& texte, QString& fehler) {
    QString grenze = QStringLiteral("Qjxzv");
    for (int i = 0; i < 12; ++i)
        grenze += QChar(u'a' + QRandomGenerator::global()->bounded(26));
    QString eingabe;
    for (const QString& t : texte)
        eingabe += t + u'\n' + grenze + u'\n';
    const auto ausgabe = hunspell({QStringLiteral("-l")}, eingabe, fehler);
    if (!ausgabe)
        return std::nullopt;
    QList<QStringList> ergebnis(texte.size());
    qsizetype k = 0;
    for (QString wort : ausgabe->split(u'\n')) {
        wort = wort.trimmed();
        // hunspell keeps a sentence's final full stop on a word it takes for an abbreviation.
        while (wort.endsWith(u'.'))
            wort.chop(1);
        if (wort == grenze)
            ++k;
        else if (!wort.isEmpty() && k < ergebnis.size() && !ergebnis[k].contains(wort))
            ergebnis[k].append(wort);
    }
    if (k != texte.size()) {
        fehler = QStringLiteral("hunspell hat nicht jeden Satz geprüft");
        return std::nullopt;
    }
    return ergebnis;
}

} // namespace zafku::wortcheck
