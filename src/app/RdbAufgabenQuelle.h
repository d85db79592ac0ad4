#pragma once

#include "game/AufgabenQuelle.h"
#include "rdb/RdbManager.h"

namespace zafku {

// The game's tasks from the spelling database and the exercise file.
class RdbAufgabenQuelle : public AufgabenQuelle {
  public:
    explicit RdbAufgabenQuelle(ZufallsZahlen& zufall) : rdb_(zufall) {}

    void oeffne(const QString& appPfad, const QString& feldName) override {
        rdb_.openRdb(appPfad);
        rdb_.loadKategorie(feldName);
    }
    QString getNextAufgabe() override { return rdb_.getNextAufgabe(); }
    const Aufgabe& aufgabe() const override { return rdb_.aufgabe; }
    int anzahlAufgaben() const override { return rdb_.kategorie.anzahl2 + rdb_.kategorie.anzahl1; }
    QString tippText() const override { return rdb_.kategorie.kmpTitel; }

  private:
    RdbManager rdb_;
};

} // namespace zafku
