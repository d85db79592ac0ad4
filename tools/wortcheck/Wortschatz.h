#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

#include <optional>

namespace zafku::wortcheck {

// The German word list, one word a line.
class Wortschatz {
  public:
    // nullopt when the file cannot be read.
    static std::optional<Wortschatz> lade(const QString& pfad);

    bool enthaeltGenau(const QString& wort) const { return woerter_.contains(wort); }
    // A capitalised word also counts when its small form is listed (nouns made of verbs
    // and adjectives stand small in the list).
    bool enthaelt(const QString& wort) const;

  private:
    QSet<QString> woerter_;
};

// Runs the spell checker once over all texts; result[i] holds the words it rejects in
// text i. nullopt with a message when the checker cannot run.
std::optional<QList<QStringList>> rechtschreibFehler(const QStringList& texte, QString& fehler);

// For each word: whether hunspell finds it from a stem of its dictionary; a word it only
// puts together from parts ("Fahrrat" of fahr- and Rat) is none, nor a capitalised word
// whose only stem is small ("Kam").
std::optional<QList<bool>> echteWoerter(const QStringList& woerter, QString& fehler);

// hunspell's suggestions for each word, best first; none for a word it accepts.
std::optional<QList<QStringList>> rechtschreibVorschlaege(const QStringList& woerter,
                                                          QString& fehler);

} // namespace zafku::wortcheck
