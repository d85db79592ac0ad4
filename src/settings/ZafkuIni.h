#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace zafku {

struct SitzungsDaten;

// The settings dialog's controls: the working copy the player edits, while the fields of
// SitzungsDaten hold the values in force. The states here are those of the first use.
struct EinstellKontrollen {
    bool gegenComp = false;
    int spSt = 0; // the selected strength option: 0 strong, 1 weak
    bool tonEin = true;
    bool rateZeitEin = false;
    bool einstSaveOpt = true;
    // Cleared when four named players leave no seat for the computer, or nobody to play.
    bool computerWaehlbar = true;
};

inline const QString kComputerName = QStringLiteral("Computer");

// Reads [Zafku] of Vokra.ini into the fields and the controls, and removes a temporary
// file that an interrupted rewrite left behind. Returns one German message per entry
// that could not be used (the entry is then ignored). A missing section changes nothing.
// Raises LaufzeitFehler when Vokra.ini cannot be read.
QStringList loadVokraIni(SitzungsDaten& daten, EinstellKontrollen& kontrollen);

// When the box "Einstellungen speichern" is ticked, rewrites Vokra.ini with the settings
// in force. Returns a German message naming the file when that failed; the old file is
// then unchanged.
QString saveVokraIni(const SitzungsDaten& daten, const EinstellKontrollen& kontrollen);

// The bytes of Vokra.ini with its [Zafku] section replaced by the settings in force;
// every other line is kept byte for byte, each ended by CR LF.
QByteArray vokraIniMitEinstellungen(const QByteArray& alt, const SitzungsDaten& daten);

// OK of the settings dialog: the controls become the values in force and the player
// "Computer" joins or leaves as the last player. True when the player list changed.
bool uebernehmeEinstellungen(SitzungsDaten& daten, const EinstellKontrollen& kontrollen);

// Cancel of the settings dialog: the controls show the values in force again.
void verwerfeEinstellungen(const SitzungsDaten& daten, EinstellKontrollen& kontrollen);

} // namespace zafku
