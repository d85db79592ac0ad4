#include "Lampen.h"

namespace zafku {

void Lampen::setzeLampen(int zustand) {
    lampenZustand_ = zustand;
    switch (zustand) {
    case 0:
        anzeige_.zeigeLampe(Lampe::Fehler, false);
        anzeige_.faerbeLabel(Lampe::Fehler, false);
        anzeige_.zeigeLampe(Lampe::Zafku, false);
        anzeige_.faerbeLabel(Lampe::Zafku, false);
        anzeige_.zeigeLampe(Lampe::Laden, false);
        anzeige_.lampenTimer(false);
        break;
    case 1:
        anzeige_.zeigeLampe(Lampe::Fehler, true);
        anzeige_.faerbeLabel(Lampe::Fehler, true);
        anzeige_.lampenTimer(true);
        break;
    case 2:
        anzeige_.zeigeLampe(Lampe::Zafku, true);
        anzeige_.faerbeLabel(Lampe::Zafku, true);
        anzeige_.lampenTimer(true);
        break;
    case 3:
        anzeige_.zeigeLampe(Lampe::Laden, true);
        anzeige_.lampenTimer(true);
        break;
    default:
        break;
    }
}

void Lampen::timerTick() {
    if (lampenZustand_ == 2) {
        if (gelbAn_) {
            if (blinkZaehler_ > 5) {
                blinkZaehler_ = 0;
                setzeLampen(0);
            } else {
                anzeige_.zeigeLampe(Lampe::Zafku, false);
            }
            gelbAn_ = false;
        } else {
            anzeige_.zeigeLampe(Lampe::Zafku, true);
            gelbAn_ = true;
            ++blinkZaehler_;
        }
    } else if (lampenZustand_ == 1) {
        if (rotAn_) {
            if (blinkZaehler_ > 5) {
                blinkZaehler_ = 0;
                setzeLampen(0);
            }
            anzeige_.zeigeLampe(Lampe::Fehler, false);
            rotAn_ = false;
        } else {
            anzeige_.zeigeLampe(Lampe::Fehler, true);
            rotAn_ = true;
            ++blinkZaehler_;
        }
    }
}

} // namespace zafku
