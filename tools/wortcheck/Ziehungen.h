#pragma once

#include "rdb/Kategorie.h"

#include <QList>
#include <QMap>
#include <QSet>
#include <QString>
#include <QStringList>

namespace zafku::wortcheck {

// One task as a child meets it: the fillings on screen (sorted, as the list box shows
// them), the right one, and its share of the category's draws.
struct Ziehung {
    QStringList auswahl;
    QString richtig;
    double gewicht = 0;
};

// All tasks that show the same fillings, with the draw share of each right answer.
struct Auswahlbild {
    QStringList auswahl;
    QMap<QString, double> antworten;
    double gewicht = 0;
    QString groessteAntwort() const;
    double groessterAnteil() const;
};

// Each list is drawn half the time, its tasks evenly.
QList<Ziehung> gewichte(QList<Ziehung> liste1, QList<Ziehung> liste2);

QList<Auswahlbild> auswahlBilder(const QList<Ziehung>& ziehungen);

// Share of draws whose set of fillings has only one right answer in the whole category:
// a child who knows the sets answers them without knowing any spelling.
double verratenAnteil(const QList<Auswahlbild>& bilder);

// The separate contrasts of a pair table: spellings linked by pairs, in pair order; the
// first holds the first pair.
QList<QSet<QString>> gegensaetze(const QList<SchreibPaar>& paare);

// True when the spot lies next to the same consonant, so that the task asks for half a
// doubled consonant (the second p of Stopp) rather than the category's contrast.
bool inDoppeltemMitlaut(const QString& wort, int vonPos, int laenge);

} // namespace zafku::wortcheck
