#include "SpielAblauf.h"

#include "AufgabenQuelle.h"
#include "AufgabenText.h"
#include "SpielAnzeige.h"
#include "rdb/Aufgabe.h"
#include "settings/ZafkuIni.h"
#include "sound/SoundMod.h"
#include "glob/GlobModul.h"
#include "glob/SitzungsDaten.h"

#include <cmath>

namespace zafku {

namespace {
constexpr QChar kZeilenEnde = u'\r';
constexpr int kZafkuBonus = 100;
} // namespace

SpielAblauf::SpielAblauf(SitzungsDaten& daten, AufgabenQuelle& quelle, SoundMod& sound,
                         ZufallsZahlen& zufall, const Clock& uhr, SpielAnzeige& anzeige,
                         LampenAnzeige& lampenAnzeige, ZeitAnzeige& zeitAnzeige)
    : lampen(lampenAnzeige), prt(daten,
                                 [&anzeige](const QString& text) {
                                     anzeige.zeigeMeldung(text, QStringLiteral("&OK"), QString(),
                                                          QStringLiteral("Laufzeitfehler"));
                                 }),
      daten_(daten), quelle_(quelle), sound_(sound), zufall_(zufall), uhr_(uhr), anzeige_(anzeige),
      zeit_(zeitAnzeige) {}

QString SpielAblauf::meldung(const QStringList& zeilen, const QString& knopf1,
                             const QString& knopf2, const QString& titel) {
    daten_.meldungsText = zeilen.join(kZeilenEnde);
    return anzeige_.zeigeMeldung(daten_.meldungsText, knopf1, knopf2, titel);
}

void SpielAblauf::lade() {
    daten_.einstAnzahl = 5;
    daten_.einstSchluessel = {QStringLiteral("GegenComputer"),
                              QStringLiteral("ComputerSpielStärke"),
                              QStringLiteral("TonEinschalten"), QStringLiteral("RatezeitBegrenzen"),
                              QStringLiteral("EinstellungenSpeichern")};
    for (const QString& fehler : loadVokraIni(daten_, einstellungen))
        anzeige_.zeigeMeldung(fehler, QStringLiteral("&OK"), QString(),
                              QStringLiteral("Laufzeitfehler"));
    sound_.spieleSound(QStringLiteral("ProgrammStart"));
    zeitMarke = sekunden();
    daten_.aktSpieler = 0;
    initFarben(daten_);
    initKartenAnzeige();
    anzeige_.zeigeKategorie(bausteinBildName(daten_.feldName), daten_.katTitel);
    daten_.katTitel.clear();
    prt.oeffneErsteDatei();
    starteSpielZeit();
    initVuMeter();
    switchVuRestZeit(daten_.rateZeitBegrenzen != 0);
    lampen.setzeLampen(0);
    quelle_.oeffne(daten_.appPfad, daten_.feldName);
    anzeige_.zeigeAnzahlAufgaben(quelle_.anzahlAufgaben());
    anzeige_.setzeTippText(quelle_.tippText());
    auswahlListe = quelle_.getNextAufgabe();
    zeigeAufgabe();
    zeigeFeldKennung();
    lampen.setzeLampen(3);
    anzeige_.aktiviereListe();
    prt.initPrtDatei();
}

void SpielAblauf::zeigeAufgabe() {
    const Aufgabe& a = quelle_.aufgabe();
    liste_ = listenEintraege(auswahlListe);
    listenIndex_ = -1;
    anzeige_.zeigeAufgabe(a.aktKontext, wortZeile(a.aktLueckWort),
                          lueckSatz(a.aktLueckWort, a.aktSatzKontext), liste_);
}

void SpielAblauf::einsetzen() {
    tippPuffer.clear();
    if (listenIndex_ >= 0)
        checkBstWahl(listenIndex_);
}

void SpielAblauf::taste(QChar c) {
    if (istTippBuchstabe(c))
        tippPuffer += c;
    else
        anzeige_.zeigeNichtDruckbar();
    listenIndex_ = static_cast<int>(liste_.indexOf(tippPuffer));
    anzeige_.setzeListenAuswahl(listenIndex_);
    anzeige_.fokusAufEinsetzen();
}

QString SpielAblauf::richtigeFuellung() const {
    const Aufgabe& a = quelle_.aufgabe();
    return a.aktWort.mid(a.aktVonPos - 1, a.aktLupLaenge);
}

bool SpielAblauf::pruefeAuswahl(int index) const {
    return index >= 0 && index < liste_.size() && liste_[index] == richtigeFuellung();
}

void SpielAblauf::checkBstWahl(int index) {
    lampen.setzeLampen(0);
    const QString name = vorname(spNameLbl_);
    const Aufgabe& a = quelle_.aufgabe();
    const int einsatz = 2 * (a.aktKomplexInd + static_cast<int>(liste_.size()));
    // The turn can pass while the "Fehler" message is open (the guess time runs on), so
    // the player who answered is fixed here: the stake is theirs to lose.
    const int antwortender = daten_.aktSpieler;
    auto& punkte = daten_.punkte[antwortender];
    // A protocol file belongs to one child; the computer's answers stay out of it.
    const bool protokoll = !computerAmZug;
    if (pruefeAuswahl(index)) {
        if (protokoll)
            prt.addPrtEintrag(true, QString(), a);
        karte[antwortender][aktFeld] = kMarkiert;
        markiereFeld();
        punkte[0] += einsatz;
        if (hatZafku(karte, antwortender)) {
            punkte[0] += kZafkuBonus;
            punkte[1] += 1;
            zeigePunkte();
            sound_.spieleSound(QStringLiteral("Gratulation1"));
            lampen.setzeLampen(2);
            meldung({QStringLiteral("Glückwunsch, ") + name + QStringLiteral("!"),
                     QStringLiteral("Du hast ein Zafku erzielt.")},
                    QStringLiteral("&OK"), QString(), QStringLiteral("Glückwunsch"));
            loescheKarten();
        } else {
            sound_.spieleSound(QStringLiteral("Annahme1"));
        }
        auswahlListe = quelle_.getNextAufgabe();
        zeigeAufgabe();
        naechsterSpieler();
        return;
    }
    if (protokoll)
        prt.addPrtEintrag(false, index >= 0 && index < liste_.size() ? liste_[index] : QString(),
                          a);
    sound_.spieleSound(QStringLiteral("LeichterFehler"));
    lampen.setzeLampen(1);
    if (!computerAmZug)
        meldung({name + QStringLiteral(", das stimmt leider nicht!"),
                 QStringLiteral("Sieh dir doch mal den Lösungs-"), QStringLiteral("tipp an.")},
                QStringLiteral("&OK"), QString(), QStringLiteral("Fehler"));
    punkte[0] = std::max(0, punkte[0] - einsatz);
    // Shows the player on turn, who may no longer be the one who answered.
    zeigePunkte();
}

void SpielAblauf::naechsterSpieler() {
    daten_.aktSpieler += 1;
    if (daten_.aktSpieler > daten_.nSpieler - 1)
        daten_.aktSpieler = 0;
    zeigeKarten();
    zeigePunkte();
    lampen.setzeLampen(0);
    zeigeFeldKennung();
    lampen.setzeLampen(3);
    // Every turn, the computer's too, runs on a fresh guess time.
    if (daten_.rateZeitBegrenzen == 1)
        resetVuZeiger();
    if (istComputerAmZug()) {
        anzeige_.setzeMenues(false);
        tickZaehler = 0;
        compWahl_ = -1;
        // Its waiting window may be open already; it is never opened twice.
        if (computerAmZug)
            return;
        computerAmZug = true;
        anzeige_.zeigeCompZug();
        return;
    }
    anzeige_.setzeMenues(true);
    computerAmZug = false;
    prt.initPrtDatei();
}

bool SpielAblauf::istComputerAmZug() const {
    return spNameLbl_ == kComputerName && daten_.gegenComputer == 1;
}

int SpielAblauf::indexRichtigeFuellung() const {
    const qsizetype k = liste_.indexOf(richtigeFuellung());
    return static_cast<int>(k < 0 ? liste_.size() : k);
}

int SpielAblauf::waehleComputerEintrag() {
    const int k = indexRichtigeFuellung();
    compWahl_ = k;
    // Weak play walks down the list and jumps to the right spelling 50 times in 101;
    // the walk never passes the right one, so it never leaves the list.
    if (daten_.compSpielStaerke != 0 && zufall_.zufallsZahl(0, 100) <= 50 && versuch < k)
        compWahl_ = versuch;
    if (compWahl_ < liste_.size())
        anzeige_.setzeListenAuswahl(compWahl_);
    return compWahl_;
}

bool SpielAblauf::simuliereComputerZug() {
    const int wahl = compWahl_ >= 0 ? compWahl_ : waehleComputerEintrag();
    compWahl_ = -1;
    if (wahl >= liste_.size()) {
        // No spelling in the list is right: the computer cannot answer and passes.
        naechsterSpieler();
        return true;
    }
    anzeige_.setzeListenAuswahl(wahl);
    const bool richtig = pruefeAuswahl(wahl);
    versuch = richtig ? 0 : wahl + 1;
    checkBstWahl(wahl);
    return richtig;
}

bool SpielAblauf::compZugTick() {
    // The guess time can pass the turn on while the window is open.
    if (!computerAmZug)
        return true;
    if (tickZaehler < 5) {
        ++tickZaehler;
        // The choice shows in the list a moment before it is judged.
        if (tickZaehler == 3)
            waehleComputerEintrag();
        return false;
    }
    tickZaehler = 0;
    simuliereComputerZug();
    return !computerAmZug;
}

void SpielAblauf::nachEinstellungen(int altGegenComputer) {
    if (daten_.gegenComputer == altGegenComputer)
        return;
    // A computer that leaves keeps its card: its slot stays as last drawn, and when it joins
    // again its old marks are back and still hold their fields.
    daten_.aktSpieler = SitzungsDaten::maxZeilen;
    naechsterSpieler();
}

void SpielAblauf::zeigeFeldKennung() {
    aktFeld = waehleFeld(karte, daten_.nSpieler, daten_.aktSpieler, zufall_);
    anzeige_.zeigeFeldKennung(feldKennung(aktFeld));
}

void SpielAblauf::zeigePunkte() {
    const auto& punkte = daten_.punkte[daten_.aktSpieler];
    anzeige_.zeigePunkte(QString::number(punkte[0]).rightJustified(6, u'0').left(6),
                         QString::number(punkte[1]).rightJustified(3, u'0').left(3));
}

void SpielAblauf::zeigeSlotFuer(int slot, int spieler) {
    std::array<Farbe, 25> felder;
    for (int f = 1; f <= kFelder; ++f)
        felder[f - 1] = karte[spieler][f] == kMarkiert ? farbeStark(daten_, spieler)
                                                       : farbeHell(daten_, spieler);
    anzeige_.zeigeSlot(slot, spieler, daten_.spielerName[spieler], felder);
    if (slot == 0)
        spNameLbl_ = daten_.spielerName[spieler];
}

void SpielAblauf::initKartenAnzeige() {
    const int n = std::min(daten_.nSpieler, kMaxKarten);
    for (int k = 0; k < n; ++k)
        zeigeSlotFuer(k, k);
    std::array<Farbe, 25> grau;
    grau.fill(farbeHell(daten_, 4));
    for (int k = n; k < kMaxKarten; ++k)
        anzeige_.zeigeSlot(k, 4, k == 0 ? daten_.spielerName[daten_.aktSpieler] : QString(), grau);
    if (n == 0)
        spNameLbl_ = daten_.spielerName[daten_.aktSpieler];
}

void SpielAblauf::zeigeKarten() {
    const int n = std::min(daten_.nSpieler, kMaxKarten);
    int p = daten_.aktSpieler;
    for (int k = 0; k < n; ++k) {
        zeigeSlotFuer(k, p);
        p = p + 1 > n - 1 ? 0 : p + 1;
    }
}

void SpielAblauf::markiereFeld() {
    anzeige_.faerbeFeld(0, aktFeld, farbeStark(daten_, daten_.aktSpieler));
}

void SpielAblauf::loescheKarten() {
    const int n = std::min(daten_.nSpieler, kMaxKarten);
    for (int p = 0; p < n; ++p) {
        for (int f = 1; f <= kFelder; ++f) {
            karte[p][f] = 0;
            anzeige_.faerbeFeld(p, f, farbeHell(daten_, p));
        }
    }
}

void SpielAblauf::neuesSpiel() {
    const int n = daten_.nSpieler - (daten_.gegenComputer == 1 ? 1 : 0);
    const QStringList frage = n > 1 ? QStringList{QStringLiteral("Wenn ihr das Spiel neu beginnt,"),
                                                  QStringLiteral("gehen alle Punkte verloren."),
                                                  QStringLiteral("Seid ihr sicher, dass ihr das"),
                                                  QStringLiteral("wirklich wollt?")}
                                    : QStringList{QStringLiteral("Wenn du das Spiel neu beginnst,"),
                                                  QStringLiteral("gehen alle Punkte verloren."),
                                                  QStringLiteral("Bist du sicher, dass du das"),
                                                  QStringLiteral("wirklich willst?")};
    if (meldung(frage, QStringLiteral("&ja"), QStringLiteral("&nein"),
                QStringLiteral("Neues Spiel")) == QLatin1String("nein"))
        return;
    for (int p = 0; p < daten_.nSpieler; ++p)
        daten_.punkte[p] = {0, 0};
    daten_.aktSpieler = SitzungsDaten::maxZeilen;
    naechsterSpieler();
    loescheKarten();
    auswahlListe = quelle_.getNextAufgabe();
    zeigeAufgabe();
}

} // namespace zafku
