#pragma once

#include <QFile>
#include <QSet>
#include <QString>

#include <functional>

namespace zafku {

struct Aufgabe;
struct SitzungsDaten;

// The protocol file of the player on turn in the user folder: one line per judged
// answer, Windows-1252, CR LF, written through at once.
class PrtDatei {
  public:
    // meldeFehler gets a German text once per file that cannot be written; play goes on.
    PrtDatei(SitzungsDaten& daten, std::function<void(const QString&)> meldeFehler);

    // Start of the game: the first player's file is opened (and created when missing).
    void oeffneErsteDatei();
    // Makes the file of aktSpieler the open protocol file, for appending.
    void initPrtDatei();
    void addPrtEintrag(bool ok, const QString& text, const Aufgabe& aufgabe);
    void schliessen();

    static QString zeile(bool ok, const QString& text, const Aufgabe& aufgabe);

  private:
    bool oeffne(QIODevice::OpenMode modus);
    void melde(const QString& pfad, const QString& grund);

    SitzungsDaten& daten_;
    std::function<void(const QString&)> meldeFehler_;
    QFile datei_;
    QSet<QString> gemeldet_;
};

} // namespace zafku
