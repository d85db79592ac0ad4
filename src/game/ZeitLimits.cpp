// The guess time of a turn and the play time of the whole run.

#include "SpielAblauf.h"

#include "SpielAnzeige.h"
#include "ZeitAnzeige.h"
#include "platform/Clock.h"
#include "sound/SoundMod.h"
#include "glob/GlobModul.h"
#include "glob/SitzungsDaten.h"

#include <cmath>

namespace zafku {

namespace {
constexpr int kRateSchritt = 50;
constexpr int kRateEnde = 1000;
} // namespace

long SpielAblauf::sekunden() const {
    // A monotonic reading: no jump at midnight, no negative step after a suspend.
    return std::lround(uhr_.monotonicSeconds());
}

void SpielAblauf::starteSpielZeit() {
    zeit_.zeigeRestZeitStand(restZeitStand);
    zeit_.energTimer(true);
}

void SpielAblauf::initVuMeter() {
    zeit_.zeigeVuSkala(false);
    drawVuZeiger(0);
}

void SpielAblauf::drawVuZeiger(int t) {
    zeit_.zeigeVuZeiger(vuZeigerLinie(t));
}

void SpielAblauf::resetVuZeiger() {
    rateZeit = 0;
    drawVuZeiger(0);
}

void SpielAblauf::switchVuRestZeit(bool ein) {
    zeit_.restZeitTimer(ein);
    zeit_.zeigeVuSkala(ein);
    resetVuZeiger();
}

void SpielAblauf::restZeitTick() {
    rateZeit += kRateSchritt;
    drawVuZeiger(rateZeit);
    if (rateZeit < kRateEnde)
        return;
    // Stopped before the message, so one expiry never reports twice.
    zeit_.restZeitTimer(false);
    daten_.meldungsText = QStringLiteral("Die Ratezeit ist leider\rabgelaufen, ") +
                          vorname(daten_.spielerName[daten_.aktSpieler]) + u'.';
    sound_.spieleSound(QStringLiteral("ProgrammMeldung"));
    anzeige_.zeigeMeldung(daten_.meldungsText, QStringLiteral("&OK"), QString(),
                          QStringLiteral("Ende der Ratezeit"));
    resetVuZeiger();
    naechsterSpieler();
    zeit_.restZeitTimer(true);
}

void SpielAblauf::energTick() {
    const long jetzt = sekunden();
    restZeitStand.schrumpfe((jetzt - zeitMarke) * daten_.spielZeitFaktor);
    zeit_.zeigeRestZeitStand(restZeitStand);
    zeitMarke = jetzt;
    if (!restZeitStand.abgelaufen())
        return;
    zeit_.restZeitTimer(false);
    zeit_.energTimer(false);
    daten_.meldungsText =
        QStringLiteral("Die Höchstspielzeit ist abgelaufen!\rZafku wird jetzt beendet.");
    anzeige_.zeigeMeldung(daten_.meldungsText, QStringLiteral("&OK"), QString(),
                          QStringLiteral("Ende des Spiels"));
    zeit_.programmEnde();
}

} // namespace zafku
