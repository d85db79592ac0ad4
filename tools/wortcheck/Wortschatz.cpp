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


// A made-up word between the texts marks where one ends in the checker's output, so the
// words are assigned in one pass, however many texts and rejected words there are.
std::optional<QList<QStringList>> rechtschreibFehler(const QStringList& texte, QString& fehler) {
    QString grenze = QStringLiteral("Qjxzv");
    for (int i = 0; i < 12; ++i)
        grenze += QChar(u'a' + QRandomGenerator::global()->bounded(26));
    QProcess hunspell;
    hunspell.start(QStringLiteral("hunspell"),
                   {QStringLiteral("-d"), QStringLiteral("de_DE"), QStringLiteral("-l"),
                    QStringLiteral("-i"), QStringLiteral("utf-8")});
    if (!hunspell.waitForStarted()) {
        fehler = QStringLiteral("hunspell kann nicht gestartet werden");
        return std::nullopt;
    }
    QString eingabe;
    for (const QString& t : texte)
        eingabe += t + u'\n' + grenze + u'\n';
    hunspell.write(eingabe.toUtf8());
    hunspell.closeWriteChannel();
    if (!hunspell.waitForFinished(120000) || hunspell.exitCode() != 0) {
        fehler = QStringLiteral("hunspell ist fehlgeschlagen: %1")
                     .arg(QString::fromUtf8(hunspell.readAllStandardError()).trimmed());
        return std::nullopt;
    }
    QList<QStringList> ergebnis(texte.size());
    qsizetype k = 0;
    for (QString wort : QString::fromUtf8(hunspell.readAllStandardOutput()).split(u'\n')) {
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
