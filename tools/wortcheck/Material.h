#pragma once

#include "Uebung.h"
#include "material/WortDatei.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

#include <optional>

namespace zafku::wortcheck {

using material::QuellFehler;
using material::WortEintrag;

using Paare = QSet<QPair<QString, QString>>;

// A wrong filling that gives a listed word or one the spell checker accepts.
struct Fuellung {
    QString falsch, eintrag, code;
    const WortEintrag* wort = nullptr;
};

// A task as the game loads it: the word, its spot and the right spelling there.
struct Stelle {
    const WortEintrag* wort = nullptr;
    QString code;
    int vonPos = 0;
    QString richtig;
};

// Everything the checks share: the host's categories, blocks and words, the reviewed
// findings and what the walk over the tasks collected.
struct Material {
    QStringList kategorien;
    QList<Uebung> uebungen;
    QList<WortEintrag> woerter;
    Paare erlaubt;
    QHash<QString, int> geprueft;
    QString geprueftPfad;
    QSet<QString> genutzt;
    QList<Fuellung> fuellungen;
    QHash<QString, QString> kontexte;
    // Per category: its task words, those whose answer is its first spelling, and the
    // reviewed fillings that make another word.
    QHash<QString, QSet<QString>> aufgabenWoerter;
    QHash<QString, QStringList> ersteSchreibung;
    QHash<QString, QStringList> echtePaare;
    QList<Stelle> stellen;

    bool istGeprueft(const QString& schluessel) {
        genutzt.insert(schluessel);
        return geprueft.contains(schluessel);
    }
};

std::optional<QString> leseUtf8(const QString& pfad);

// Reviewed "richtig | falsch" pairs: the sentence makes the choice clear.
Paare leseErlaubtePaare(const QString& pfad, QList<QuellFehler>& fehler);

// Reviewed findings, "Schlüssel | Begründung": a category that practises several
// contrasts at once ("DHO_ Gegensätze"), or a set of fillings whose right answers are
// knowingly uneven ("DHO_ Auswahl ö,öh").
QHash<QString, int> leseGeprueft(const QString& pfad, QList<QuellFehler>& fehler);

// The block the game loads for a code: the first whose key begins with it.
const Uebung* uebungFuer(const Material& m, const QString& code);

} // namespace zafku::wortcheck
