#pragma once

#include <QDate>
#include <QHash>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

namespace zafku::kartei {
class KarteiSpeicher;
}

namespace zafku::bericht {

// Right and wrong answers of one child in one category, and what the child wrote
// instead ("ie → i" and how often).
struct Bereich {
    QString code; // "" for answers no marked spot explains
    QString titel;
    int richtig = 0;
    int falsch = 0;
    QMap<QString, int> verwechslungen;
    int antworten() const { return richtig + falsch; }
};

struct FehlerWort {
    QString wort;
    QMap<QString, int> schreibungen; // as the child wrote it, how often
    int anzahl() const;
};

struct Unbrauchbar {
    int zeile = 0; // 0: the whole file
    QString text;
    QString grund;
};

// A child's word box: words per box (index 1..5), learned (index 0), due today.
struct KarteiUebersicht {
    QList<int> proFach = QList<int>(6, 0);
    int faellig = 0;
    bool vorhanden() const { return proFach != QList<int>(6, 0); }
};

struct KindBericht {
    QString datei; // base name of the protocol file
    QString name;
    int antworten = 0;
    int richtig = 0;
    QList<Bereich> bereiche;   // most wrong answers first
    QList<FehlerWort> woerter; // most often misspelled first
    int unbrauchbarAnzahl = 0;
    QList<Unbrauchbar> unbrauchbar; // the first few, to name them
    QStringList hinweise;           // about the file as a whole: not read, cut, its name
    bool gelesen = true;            // false: the file could not be read at all
    KarteiUebersicht kartei;
    double anteil() const { return antworten ? double(richtig) / antworten : 0.0; }
};

// A category many children find hard.
struct KlassenBereich {
    QString code;
    QString titel;
    QStringList kinder; // names of the children unsure in it
    int richtig = 0;
    int falsch = 0;
};

struct Bericht {
    QString ordner;
    QList<KindBericht> kinder;       // in file-name order
    QList<KlassenBereich> schwierig; // most unsure children first
    QList<int> zuerstHelfen;         // indices into kinder, lowest share of right answers first
    QDate ab;                        // only answers first read on or after it; null: all
    QString karteiFehler;            // why the word boxes are missing
};

struct BerichtWahl {
    kartei::KarteiSpeicher* kartei = nullptr; // boxes are read and shown when given
    QDate heute;
    bool nurDieseWoche = false; // answers first read since Monday; needs the boxes
};

// Unusable lines named per file at most this often; the rest are only counted.
constexpr int maxGenannt = 20;

// A child counts as unsure in a category with at least two wrong answers making up at
// least a third of its answers there.
bool unsicher(const Bereich& b);

// Reads every User/*.tmp of the host folder, also files whose names are not UTF-8 (read
// as Windows-1252 names) and files that cannot be read (each named with the reason).
// namen maps file base names to children's names. Raises LaufzeitFehler when the
// spelling database or Vokra.tsp cannot be read.
// With a box store, every file's new lines are read into the boxes first.
Bericht erstelleBericht(const QString& appPfad, const QHash<QString, QString>& namen = {},
                        const BerichtWahl& wahl = {});

} // namespace zafku::bericht
