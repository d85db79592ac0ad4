#pragma once

#include "Karte.h"
#include "Lampen.h"
#include "PrtDatei.h"
#include "settings/ZafkuIni.h"
#include "VuMeter.h"

#include <QString>
#include <QStringList>

namespace zafku {

class AufgabenQuelle;
class Clock;
class SoundMod;
class SpielAnzeige;
class ZeitAnzeige;
class ZufallsZahlen;
struct SitzungsDaten;

// The game flow of the main window: loading, showing tasks, judging answers, passing
// turns. It reaches the window only through SpielAnzeige and LampenAnzeige.
class SpielAblauf {
  public:
    SpielAblauf(SitzungsDaten& daten, AufgabenQuelle& quelle, SoundMod& sound,
                ZufallsZahlen& zufall, const Clock& uhr, SpielAnzeige& anzeige,
                LampenAnzeige& lampenAnzeige, ZeitAnzeige& zeitAnzeige);

    // The load sequence up to the first task and its field.
    void lade();

    // Mouse or keyboard selection in the list box; -1 for none.
    void waehleEintrag(int index) { listenIndex_ = index; }
    // The insert button.
    void einsetzen();
    // A key that produced the character c.
    void taste(QChar c);
    // The new-game menu command, after its question.
    void neuesSpiel();

    void checkBstWahl(int index);
    bool pruefeAuswahl(int index) const;
    QString richtigeFuellung() const;
    void naechsterSpieler();
    void zeigeAufgabe();
    void zeigeFeldKennung();
    void zeigePunkte();

    void initKartenAnzeige();
    void zeigeKarten();
    void markiereFeld();
    void loescheKarten();

    // After the settings dialog: a computer that joined or left restarts the turn order
    // at player 0 with a new field; the task stays.
    void nachEinstellungen(int altGegenComputer);

    // The computer opponent. True when the player on turn is the computer.
    bool istComputerAmZug() const;
    // The first list position holding the right filling; the list size when none does.
    int indexRichtigeFuellung() const;
    // Chooses the computer's next spelling and selects it in the list.
    int waehleComputerEintrag();
    // One attempt of the computer; true when it was right and the turn has passed on.
    bool simuliereComputerZug();
    // One 200 ms tick of the waiting window; true when the window is to close.
    bool compZugTick();

    // The guess time on the dial and the play time on the bar.
    void initVuMeter();
    void drawVuZeiger(int t);
    void resetVuZeiger();
    void switchVuRestZeit(bool ein);
    void restZeitTick();
    void energTick();
    bool spielZeitAbgelaufen() const { return restZeitStand.abgelaufen(); }

    Lampen lampen;
    PrtDatei prt;

    // Game state of the main window.
    Karten karte{};
    int aktFeld = 0;
    QString auswahlListe;
    bool computerAmZug = false;
    QString tippPuffer;
    int rateZeit = 0;
    long zeitMarke = 0;
    // The settings dialog's working copy.
    EinstellKontrollen einstellungen;
    // The list position the weak computer tries next.
    int versuch = 0;
    int tickZaehler = 0;

    RestZeitStand restZeitStand;

    const QStringList& liste() const { return liste_; }
    int listenIndex() const { return listenIndex_; }
    // The name shown in the large card's label.
    const QString& spNameLbl() const { return spNameLbl_; }

  private:
    void starteSpielZeit();
    long sekunden() const;
    void zeigeSlotFuer(int slot, int spieler);
    QString meldung(const QStringList& zeilen, const QString& knopf1, const QString& knopf2,
                    const QString& titel);

    SitzungsDaten& daten_;
    AufgabenQuelle& quelle_;
    SoundMod& sound_;
    ZufallsZahlen& zufall_;
    const Clock& uhr_;
    SpielAnzeige& anzeige_;
    ZeitAnzeige& zeit_;
    QStringList liste_;
    int listenIndex_ = -1;
    QString spNameLbl_;
    // The computer's choice, shown before it is judged; -1 for none yet.
    int compWahl_ = -1;
};

} // namespace zafku
