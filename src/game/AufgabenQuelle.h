#pragma once

#include <QString>

namespace zafku {

struct Aufgabe;

// Where the game's tasks come from: the spelling database and the exercise file.
class AufgabenQuelle {
  public:
    virtual ~AufgabenQuelle() = default;
    // Opens the material of the category; raises LaufzeitFehler when it cannot be used.
    virtual void oeffne(const QString& appPfad, const QString& feldName) = 0;
    // Draws a task; returns its choice list, or "" when none was reached.
    virtual QString getNextAufgabe() = 0;
    virtual const Aufgabe& aufgabe() const = 0;
    virtual int anzahlAufgaben() const = 0;
    virtual QString tippText() const = 0;
};

} // namespace zafku
