#include "Wortschatz.h"

#include <QFile>
#include <QProcess>

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

bool istWortZeichen(const QString& s, qsizetype i) {
    return i >= 0 && i < s.size() && (s[i].isLetterOrNumber() || s[i] == u'-');
}

// Whole-word occurrence, so that "Ball" does not blame "Ballon".
bool enthaeltWort(const QString& satz, const QString& wort) {
    for (qsizetype at = satz.indexOf(wort); at >= 0; at = satz.indexOf(wort, at + 1))
        if (!istWortZeichen(satz, at - 1) && !istWortZeichen(satz, at + wort.size()))
            return true;
    return false;
}

} // namespace

std::optional<QList<QStringList>> rechtschreibFehler(const QStringList& saetze, QString& fehler) {
    QProcess hunspell;
    hunspell.start(QStringLiteral("hunspell"),
                   {QStringLiteral("-d"), QStringLiteral("de_DE"), QStringLiteral("-l"),
                    QStringLiteral("-i"), QStringLiteral("utf-8")});
    if (!hunspell.waitForStarted()) {
        fehler = QStringLiteral("hunspell kann nicht gestartet werden");
        return std::nullopt;
    }
    // One sentence a line: hunspell reads the input line by line.
    QString eingabe;
    for (const QString& s : saetze)
        eingabe += s + u'\n';
    hunspell.write(eingabe.toUtf8());
    hunspell.closeWriteChannel();
    if (!hunspell.waitForFinished(120000) || hunspell.exitCode() != 0) {
        fehler = QStringLiteral("hunspell ist fehlgeschlagen: %1")
                     .arg(QString::fromUtf8(hunspell.readAllStandardError()).trimmed());
        return std::nullopt;
    }
    QStringList falsch =
        QString::fromUtf8(hunspell.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    // hunspell keeps a sentence's final full stop on a word it takes for an abbreviation.
    for (QString& wort : falsch) {
        wort = wort.trimmed();
        while (wort.endsWith(u'.'))
            wort.chop(1);
    }
    falsch.removeDuplicates();
    QList<QStringList> ergebnis(saetze.size());
    for (const QString& wort : falsch)
        for (int i = 0; i < saetze.size(); ++i)
            if (!wort.isEmpty() && enthaeltWort(saetze[i], wort))
                ergebnis[i].append(wort);
    return ergebnis;
}

} // namespace zafku::wortcheck
