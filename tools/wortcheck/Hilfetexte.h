#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace zafku::wortcheck {

// A paragraph of a help page or a tip, as plain text, and the line it stands on.
struct Absatz {
    QString text;
    int zeile = 0;
};

// What a sentence of a text says about the words of its exercise.
struct Aussage {
    enum Art {
        // Names words the exercise leaves out.
        Ausgelassen,
        // Also says that no word whose wrong filling makes another word is included; the
        // rest of the paragraph may name the exceptions.
        KeinePaare,
        // Names the words of a spelling and says that all others are written otherwise.
        AlleAnderen,
        // Gives a word with a diphthong as an example of a long vowel.
        ZwielautAlsLang,
    };
    Art art;
    QString satz;
    QStringList woerter;
    int zeile = 0;
    QString rest;
};

// The help pages hold one paragraph or table row a line.
QList<Absatz> absaetzeDerSeite(const QString& html);

QList<Aussage> aussagen(const QList<Absatz>& absaetze);

} // namespace zafku::wortcheck
