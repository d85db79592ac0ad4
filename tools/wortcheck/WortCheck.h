#pragma once

#include "material/WortDatei.h"

#include <QList>
#include <QString>

namespace zafku::wortcheck {

struct Optionen {
    QString wortliste = QStringLiteral("/usr/share/dict/ngerman");
    int mindestAufgaben = 20;
    // Folder of the reviewed pairs and findings; empty: the host's woerter/.
    QString befunde;
};

struct Zaehlung {
    QString code;
    int liste1 = 0;
    int liste2 = 0;
    // Share of draws whose fillings alone give the answer away.
    double verraten = 0;
    // One line per set of fillings: its draw share and the share of each right answer.
    QStringList bilanz;
};

struct Ergebnis {
    QList<Zaehlung> tabelle;
    QList<material::QuellFehler> fehler;
    // Tasks whose vowel espeak-ng's own reading gets wrong, written pronunciations aside.
    int ausspracheVorher = 0;
};

// Checks the word material of a host source folder or of the folder the build lays out.
Ergebnis pruefeMaterial(const QString& hostDir, const Optionen& optionen);

// The task table, one category a line, then the balance of each category's choice sets.
QString tabellenText(const QList<Zaehlung>& tabelle);

} // namespace zafku::wortcheck
