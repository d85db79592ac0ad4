#pragma once

#include "EigeneDatei.h"
#include "Vorschlag.h"
#include "Wortschatz.h"

#include <QHash>
#include <QList>
#include <QString>

#include <functional>
#include <optional>

namespace zafku::eigene {

// A word as the teacher typed it, with the spots left ticked.
struct PruefWort {
    Eingabe eingabe;
    QList<Vorschlag> stellen;
};

// A finding for the teacher. One that blocks keeps the list from being saved.
struct Befund {
    int zeile = 0;
    QString wort;
    QString text;
    bool sperrt = true;
    bool operator==(const Befund&) const = default;
};

struct Pruefmittel {
    const wortcheck::Wortschatz& wortschatz;
    const QList<Block>& bloecke;
    // Article of each shipped noun, to catch "der Biene".
    QHash<QString, QString> artikel;
    std::function<std::optional<QList<QStringList>>(const QStringList&, QString&)> rechtschreibung =
        wortcheck::rechtschreibFehler;
    // Whether a wrong filling is a real word, not one only put together from parts.
    std::function<std::optional<QList<bool>>(const QStringList&, QString&)> echt =
        wortcheck::echteWoerter;
    std::function<std::optional<QList<QStringList>>(const QStringList&, QString&)> vorschlaege =
        wortcheck::rechtschreibVorschlaege;
    Laute laute = espeakLaute();
};

// Every check before anything is written: the word list (with the spell checker's
// suggestion), the sentence, wrong fillings that make another real word, the article,
// and how read-aloud speaks the ticked spots.
QList<Befund> pruefe(const QList<PruefWort>& woerter, const Pruefmittel& mittel);

bool sperrt(const QList<Befund>& befunde);

// Whole-word occurrences, so that "Ball" is not found in "Ballon".
int vorkommen(const QString& satz, const QString& wort);
// Where the first whole-word occurrence starts, or -1.
qsizetype wortStelle(const QString& satz, const QString& wort);

} // namespace zafku::eigene
