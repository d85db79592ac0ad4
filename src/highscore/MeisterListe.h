#pragma once

#include "MeisterSpeicher.h"

#include <QString>

#include <memory>

namespace zafku {

struct SitzungsDaten;

// The rules of the high-score list, the same for every store: at most ten rows of this
// game, the smallest replaced only by a better entry, other games' rows left alone.
class MeisterListe {
  public:
    static constexpr int kMaxEintraege = 10;
    static constexpr int kNameLaenge = 18;
    static QString programm() { return QStringLiteral("Zafku"); }

    explicit MeisterListe(std::unique_ptr<MeisterSpeicher> speicher);
    ~MeisterListe();

    MeisterSpeicher& speicher() { return *speicher_; }

    // Offers every player with more than 0 points, dated datum (dd.MM.yyyy). Returns ""
    // or a German message for the host; a failing store never stops the others' offers.
    QString updateMeister(const SitzungsDaten& daten, const QString& datum);
    // One offer in one transaction; raises LaufzeitFehler.
    void pruefeEintrag(const MeisterEintrag& eintrag);

    // The four label texts, lines ended by CR, and the message when the store failed.
    struct Anzeige {
        QString lfdNr;
        QString namen;
        QString daten;
        QString punkte;
        QString fehler;
    };
    Anzeige zeigeListe();

  private:
    std::unique_ptr<MeisterSpeicher> speicher_;
};

// The store Vokra.ini of appPfad asks for: [Meisterliste] Server=<connection string>
// for a PostgreSQL server, otherwise userPfad/Meister.mdb.
std::unique_ptr<MeisterSpeicher> oeffneMeisterSpeicher(const QString& appPfad,
                                                       const QString& userPfad);

} // namespace zafku
