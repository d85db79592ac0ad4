#pragma once

#include <QHash>
#include <QSet>
#include <QString>

namespace zafku::wortcheck {

// The basic vocabulary of grades 1 to 4 and the words built from it: inflected forms
// (Häuser, spielt), compounds (Spielplatz, Gießkanne) and prefixed forms (verlieren).
class Grundwortschatz {
  public:
    // Words separated by blanks or lines; "#" starts a comment line.
    explicit Grundwortschatz(const QString& text);

    bool enthaelt(const QString& wort) const;
    bool leer() const { return woerter_.isEmpty(); }

  private:
    bool gebildet(const QString& klein) const;
    bool alsTeil(const QString& teil) const;

    QSet<QString> woerter_;
    // Verb stems and nouns without their final e, as they stand in compounds.
    QSet<QString> staemme_;
    mutable QHash<QString, bool> gemerkt_;
};

} // namespace zafku::wortcheck
