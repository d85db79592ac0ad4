#pragma once

namespace zafku {

enum class Lampe { Fehler, Zafku, Laden };

// What the lamps need of the window.
class LampenAnzeige {
  public:
    virtual ~LampenAnzeige() = default;
    virtual void zeigeLampe(Lampe lampe, bool an) = 0;
    // A lit lamp's label is drawn in button-text colour, otherwise in grey-text colour.
    virtual void faerbeLabel(Lampe lampe, bool aktiv) = 0;
    virtual void lampenTimer(bool laeuft) = 0;
};

// The three feedback lamps: 0 all off, 1 wrong answer (red blinks), 2 Zafku (yellow
// blinks), 3 new task (green). Red and yellow blink six times and then go out.
class Lampen {
  public:
    explicit Lampen(LampenAnzeige& anzeige) : anzeige_(anzeige) {}

    void setzeLampen(int zustand);
    // LampenTimer, every 300 ms while running.
    void timerTick();
    int lampenZustand() const { return lampenZustand_; }

  private:
    LampenAnzeige& anzeige_;
    int lampenZustand_ = 0;
    // Kept from one sequence to the next: a cut-short sequence shortens the next one.
    bool rotAn_ = false;
    bool gelbAn_ = false;
    int blinkZaehler_ = 0;
};

} // namespace zafku
