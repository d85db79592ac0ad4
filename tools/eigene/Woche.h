#pragma once

#include "bericht/GemischteUebung.h"

#include <QDate>
#include <QList>
#include <QSet>
#include <QString>

namespace zafku::eigene {

// The key of this week's exercise, and of a week kept under its date (W20261130).
QString wochenSchluessel();
QString wochenSchluessel(const QDate& datum);
// This week's key or a kept week's.
bool istWochenSchluessel(const QString& schluessel);

struct Woche {
    bericht::Uebung uebung;
    QStringList zugenommen; // "Kino (i)" for every contrast word, for the teacher
    QString hinweis;        // one sentence: which words were added and why; "" when none
};

// The teacher's asked words (numbers in their order) as one exercise: each at its spot,
// and contrast words of the shipped material, never one of eigene, for every choice set
// that would otherwise always have the same right answer.
Woche planeWoche(bericht::Lehrmaterial& material, const QList<int>& woerter,
                 const QSet<int>& eigene);

// The help text of the week's exercise; its date is read back when the week is kept.
QString wochenTipp(const QDate& datum);
QDate tippDatum(const QString& tipp);

} // namespace zafku::eigene
