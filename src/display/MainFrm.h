#pragma once

#include "game/Lampen.h"
#include "game/ProgrammEnde.h"
#include "game/SpielAblauf.h"
#include "game/SpielAnzeige.h"
#include "game/ZeitAnzeige.h"

#include "dialogs/BildLabel.h"

#include <QDialog>

#include <array>
#include <functional>
#include <map>
#include <memory>

class QAction;
class QGroupBox;
class QLabel;
class QListWidget;
class QMenu;
class QMenuBar;
class QPushButton;
class QTimer;

namespace zafku {

class AufgabenQuelle;
class Clock;
class CompZugFrm;
class DateiInfoFrm;
class EinstellFrm;
class EndeFrm;
class HelpViewer;
class InfoFrm;
class KartenSlot;
class LautsprecherKnopf;
class LoesTippFrm;
class MeisterFrm;
class MldFenster;
class SoundMod;
class Sprachausgabe;
class Vorleser;
class VuNadel;
class ZufallsZahlen;
struct SitzungsDaten;

struct MainFrmDienste {
    SitzungsDaten& daten;
    AufgabenQuelle& quelle;
    SoundMod& sound;
    ZufallsZahlen& zufall;
    const Clock& uhr;
    HelpViewer& hilfe;
    MldFenster& mld;
    DateiInfoFrm& info;
    // The high-score list; without it the game ends without offering points.
    MeisterFrm* meister = nullptr;
    // Reads tasks aloud; without it the speaker buttons stay silent.
    Sprachausgabe* sprache = nullptr;
};

// The game's main window: task area, cards, score, lamps and menus. The rules live in
// SpielAblauf; this class only shows what it is asked to and passes input on.
class MainFrm : public QDialog, public SpielAnzeige, public LampenAnzeige, public ZeitAnzeige {
    Q_OBJECT
  public:
    static constexpr long kHilfeThema = 2000;

    explicit MainFrm(const MainFrmDienste& dienste, QWidget* parent = nullptr);
    ~MainFrm() override;

    // The load sequence; raises LaufzeitFehler when the task material cannot be used.
    void lade();
    SpielAblauf& ablauf() { return ablauf_; }

    // SpielAnzeige
    QString zeigeMeldung(const QString& text, const QString& knopf1, const QString& knopf2,
                         const QString& titel) override;
    void zeigeNichtDruckbar() override;
    void zeigeKategorie(const QString& bildName, const QString& titel) override;
    void zeigeAnzahlAufgaben(int anzahl) override;
    void setzeTippText(const QString& text) override;
    void zeigeSlot(int slot, int bild, const QString& name,
                   const std::array<Farbe, 25>& felder) override;
    void faerbeFeld(int slot, int feld, Farbe farbe) override;
    void zeigeAufgabe(const QString& kontext, const QString& wortZeile, const QString& satz,
                      const QStringList& liste) override;
    void setzeListenAuswahl(int index) override;
    void fokusAufEinsetzen() override;
    void aktiviereListe() override;
    void zeigePunkte(const QString& punkte, const QString& zafkus) override;
    void zeigeFeldKennung(const QString& kennung) override;
    void setzeMenues(bool freigabe) override;
    void zeigeCompZug() override;

    // LampenAnzeige
    void zeigeLampe(Lampe lampe, bool an) override;
    void faerbeLabel(Lampe lampe, bool aktiv) override;
    void lampenTimer(bool laeuft) override;

    // ZeitAnzeige
    void zeigeVuZeiger(const VuLinie& linie) override;
    void zeigeVuSkala(bool ein) override;
    void zeigeRestZeitStand(const RestZeitStand& stand) override;
    void restZeitTimer(bool laeuft) override;
    void energTimer(bool laeuft) override;
    void programmEnde() override;

    // The controls, for the tests and for the window's own layout.
    QLabel* kontextLbl = nullptr;
    QLabel* lueckWortLbl = nullptr;
    QWidget* leseLupe = nullptr;
    QGroupBox* lueckSatzFrame = nullptr;
    QLabel* lueckSatzLbl = nullptr;
    QListWidget* wLueckGrLst = nullptr;
    QPushButton* einsetzenBtn = nullptr;
    QPushButton* loesTippBtn = nullptr;
    QLabel* spNameLbl = nullptr;
    std::array<QGroupBox*, 4> spFldFrame{};
    std::array<KartenSlot*, 4> karten{};
    std::array<QLabel*, 6> punkZiff{};
    std::array<QLabel*, 3> zafkZiff{};
    BildLabel* falschImg = nullptr;
    QLabel* falschLbl = nullptr;
    BildLabel* zafkuImg = nullptr;
    QLabel* zafkuLbl = nullptr;
    BildLabel* ladenImg = nullptr;
    QLabel* feldKennungLbl = nullptr;
    BildLabel* uebBausteinImage = nullptr;
    QLabel* uebTitelLabel = nullptr;
    QTimer* lampenTimerObj = nullptr;
    CompZugFrm* compZugFrm = nullptr;
    BildLabel* vuRestZeitImage = nullptr;
    VuNadel* vuNadel = nullptr;
    QLabel* restZeitStand = nullptr;
    BildLabel* roehreImg = nullptr;
    QTimer* restZeitTimerObj = nullptr;
    QTimer* energTimerObj = nullptr;
    InfoFrm* infoFrm = nullptr;
    // Read the word and the sentence aloud; their context menu switches "Vorlesen".
    LautsprecherKnopf* wortSprecher = nullptr;
    LautsprecherKnopf* satzSprecher = nullptr;
    QAction* vorlesenAktion = nullptr;
    Vorleser& vorleser() { return *vorleser_; }
    // Lays the window out at another size factor (see groessenStufen) and keeps it on
    // its screen; the choice is remembered when merken is set.
    void setzeGroesse(double faktor, bool merken = true);
    // The largest factor at which the window still fits its screen.
    double groessteGroesse() const;
    // The window at factor 1 in pixels, for choosing the size at start.
    static QSize entwurfsGroesse();
    // The menu items by name (mnuDateiNeu …), each with its help topic as data.
    std::map<QString, QAction*> menue;
    // The program end; its high-score and settings steps are wired by their owners.
    ProgrammEnde& ende() { return ende_; }

  protected:
    bool eventFilter(QObject* ziel, QEvent* ereignis) override;
    void closeEvent(QCloseEvent* ereignis) override;
    // Esc never closes the game.
    void reject() override {}

  private:
    void baueAufgabenBereich();
    void baueKarten();
    void bauePunkte();
    void baueLampen();
    void baueKategorie();
    void baueZeitAnzeigen();
    void baueVorlesen();
    // Hands the new task to the reader, which reads it once the turn has gone on.
    void vorlesenNachAufgabe();
    QMenuBar* baueMenues();
    void zeigeKontext();
    // Places the task's labels and the gap mark after their texts.
    void ordneAufgabeAn();
    void zeigeName(const QString& name);
    void zeigeRahmenTitel(QGroupBox* rahmen, const QString& name);
    // Runs a command; a failing host file ends the game with its message.
    void sicher(const std::function<void()>& befehl);
    // The exit question; true when the answer was not "nein".
    bool frageEnde();
    void zeigeHilfe(long thema);
    void zeigeKategorieHilfe();
    void zeigeEinstellungen();

    MainFrmDienste d_;
    SpielAblauf ablauf_;
    ProgrammEnde ende_;
    QString meisterFehler_;
    RestZeitStand restZeit_;
    QPixmap kategorieBild_;
    QWidget* flaeche_ = nullptr;
    std::unique_ptr<EndeFrm> endeFrm_;
    std::unique_ptr<LoesTippFrm> loesTippFrm_;
    std::unique_ptr<EinstellFrm> einstellFrm_;
    std::unique_ptr<Vorleser> vorleser_;
};

} // namespace zafku
