#pragma once

#include "platform/Clock.h"
#include "platform/RandomSource.h"

#include <QString>

namespace zafku {

struct SitzungsDaten;

// Inclusive random whole number: re-seeds the source from the clock before every draw.
// hi < lo gives lo.
int zufallsZahl(int lo, int hi, RandomSource& quelle, const Clock& uhr);

// The seam through which the game draws random numbers; tests script the results.
class ZufallsZahlen {
  public:
    virtual ~ZufallsZahlen() = default;
    virtual int zufallsZahl(int lo, int hi) = 0;
};

class UhrZufallsZahlen : public ZufallsZahlen {
  public:
    UhrZufallsZahlen(RandomSource& quelle, const Clock& uhr) : quelle_(quelle), uhr_(uhr) {}
    int zufallsZahl(int lo, int hi) override { return zafku::zufallsZahl(lo, hi, quelle_, uhr_); }

  private:
    RandomSource& quelle_;
    const Clock& uhr_;
};

// The first word of a name; empty when the name begins with a blank.
QString vorname(const QString& name);

struct Farbe {
    int rot = 0;
    int gruen = 0;
    int blau = 0;
    bool operator==(const Farbe&) const = default;
};

void initFarben(SitzungsDaten& daten);
Farbe farbeHell(const SitzungsDaten& daten, int zeile);
Farbe farbeStark(const SitzungsDaten& daten, int zeile);

// File name of the category picture in Grafik/, e.g. LIP_ gives BST_LIP.GIF.
QString bausteinBildName(const QString& code);

// Value of a text read as a number: blanks skipped, optional sign, digits and one
// decimal point; 0 when there is none. Rounded to the nearest, halves to even; a value
// beyond the int range gives the nearest end of it.
int zahlWert(const QString& text);

} // namespace zafku
