#pragma once

#include "bericht/Protokoll.h"

#include <QDate>
#include <QList>
#include <QMap>

namespace zafku::kartei {

// Boxes 1 to 5; a learned word has left them but is kept, so that it can come back.
constexpr int kGelernt = 0;
constexpr int kLetztesFach = 5;

struct Karte {
    int refNr = 0;
    int fach = 1;
    QDate faellig; // null when learned
    bool operator==(const Karte&) const = default;
};

using Karten = QMap<int, Karte>;

// What one reading did to the box, for the results screen.
struct Aenderungen {
    QList<int> zurueck; // answered wrong: box 1 again
    QList<int> weiter;  // moved up a box
    QList<int> gelernt; // right in the last box
};

// Days until a word is due again after moving up into fach (2..5).
int abstandTage(int fach);

// The answers of one reading, all counted on the day heute: any wrong answer puts a word
// into box 1 for tomorrow; only right answers move a due word up a box; right answers of a
// word not due or not in a box change nothing.
Aenderungen wendeAn(Karten& karten, const QList<bericht::Antwort>& antworten, QDate heute);

} // namespace zafku::kartei
