#pragma once

#include "glob/GlobModul.h"

#include <QString>
#include <QStringList>

#include <array>

namespace zafku {

// What the game flow asks of the main window.
class SpielAnzeige {
  public:
    virtual ~SpielAnzeige() = default;

    // The game's message window; returns the answer (the pressed button without "&").
    virtual QString zeigeMeldung(const QString& text, const QString& knopf1, const QString& knopf2,
                                 const QString& titel) = 0;
    // The platform's plain notice for a key that is not a letter.
    virtual void zeigeNichtDruckbar() = 0;

    virtual void zeigeKategorie(const QString& bildName, const QString& titel) = 0;
    virtual void zeigeAnzahlAufgaben(int anzahl) = 0;
    virtual void setzeTippText(const QString& text) = 0;

    // Card slot 0 is the large card of the player on turn (name in its label), slots 1
    // to 3 the small cards (name as frame caption). bild 0 to 3 is a player's card
    // picture, 4 the grey card.
    virtual void zeigeSlot(int slot, int bild, const QString& name,
                           const std::array<Farbe, 25>& felder) = 0;
    virtual void faerbeFeld(int slot, int feld, Farbe farbe) = 0;

    virtual void zeigeAufgabe(const QString& kontext, const QString& wortZeile, const QString& satz,
                              const QStringList& liste) = 0;
    virtual void setzeListenAuswahl(int index) = 0;
    virtual void fokusAufEinsetzen() = 0;
    virtual void aktiviereListe() = 0;

    virtual void zeigePunkte(const QString& punkte, const QString& zafkus) = 0;
    virtual void zeigeFeldKennung(const QString& kennung) = 0;
    virtual void setzeMenues(bool freigabe) = 0;
    // Shows the computer's waiting window modally; returns once it has closed.
    virtual void zeigeCompZug() = 0;
};

} // namespace zafku
