#pragma once

#include "KlassenWahl.h"
#include "help/HilfeBrowser.h"

#include <QDialog>
#include <QProcess>

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;
class QComboBox;
class QGroupBox;
class QSpinBox;
class QTreeWidget;
class QTreeWidgetItem;
class QVBoxLayout;

namespace zafku {
class Sprachausgabe;
}

namespace zafku::starter {

class NamenKnoepfe;

// The start window for those without the host framework: pick what to practise and who
// plays, start the game from the host folder, and make the learning report.
class StartFrm : public QDialog {
    Q_OBJECT
  public:
    // The window's size at the game's size factor 1.
    static constexpr QSize kEntwurf{920, 620};

    // sprache reads the results aloud; without it they stay silent.
    explicit StartFrm(const QString& appPfad, Sprachausgabe* sprache = nullptr,
                      QWidget* parent = nullptr);
    ~StartFrm() override;

    // The choice as the game would get it; "" for code when nothing is selected.
    QString gewaehlterCode() const;
    QList<Spieler> spieler() const;

    // Checks the choice, remembers it and starts the game; false (after a message) when
    // the game cannot be started.
    bool spielStarten();
    // Writes User/Lernbericht.html and opens it; the page's path, or "" after a message.
    QString berichtErstellen();
    // Opens the window for the class's own words; the list is read again when it closes.
    void eigeneWoerter();
    void filtern(const QString& text);
    void zeigeHilfe();
    // Lets the teacher enter the class; the name buttons follow the saved list.
    void klasseBearbeiten();

    QTreeWidget* liste() const { return liste_; }
    const HilfeBrowser& hilfe() const { return hilfe_; }

  private:
    // Where the list's items keep their category key and number.
    static constexpr int kCodeRolle = Qt::UserRole;
    static constexpr int kKatNrRolle = Qt::UserRole + 1;

    struct Zeile {
        QLabel* nummer = nullptr;
        QLineEdit* name = nullptr;
        QLineEdit* datei = nullptr;
        QLabel* endung = nullptr;
        bool dateiVonHand = false;
    };

    // The two halves of the window, built in their own files.
    QGroupBox* baueListe();
    void baueAnzeige(QVBoxLayout* rechtsLayout);
    QGroupBox* baueSpieler();

    void fuelleListe();
    void ladeKlasse();
    void auswahlGeaendert();
    void anzahlGeaendert(int n);
    void nameGeaendert(int zeile);
    void ladeLetzteWahl();
    void merkeWahl() const;
    void melde(const QString& text);
    QStringList andereDateien(int ohne) const;

    QString appPfad_;
    QList<bericht::TspEintrag> tsp_;
    QLineEdit* filter_ = nullptr;
    QTreeWidget* liste_ = nullptr;
    QLabel* bild_ = nullptr;
    QLabel* titel_ = nullptr;
    QPushButton* hilfeBtn_ = nullptr;
    QSpinBox* anzahl_ = nullptr;
    QComboBox* groesse_ = nullptr;
    std::array<Zeile, maxSpieler> zeilen_;
    QLabel* anzahlLbl_ = nullptr;
    QWidget* tippen_ = nullptr;       // the typed names, without a class list
    NamenKnoepfe* knoepfe_ = nullptr; // the class's names to pick
    bool mitKlasse_ = false;
    QPushButton* spielenBtn_ = nullptr;
    QPushButton* uebenBtn_ = nullptr;
    QList<Spieler> spielende_; // of the game running, for its results
    Sprachausgabe* sprache_ = nullptr;
    QPushButton* berichtBtn_ = nullptr;
    QComboBox* zeitraum_ = nullptr; // of the report: all answers or this week's
    QPushButton* woerterBtn_ = nullptr;
    QPushButton* klasseBtn_ = nullptr;
    QLabel* status_ = nullptr;
    QProcess spiel_;
    QProcess woerter_;
    HilfeBrowser hilfe_;
};

} // namespace zafku::starter
