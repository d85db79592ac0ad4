#include "Anwendung.h"

#include "display/MainFrm.h"

#include <QDateTime>

namespace zafku {

Anwendung::Anwendung() : quelle_(static_cast<std::uint64_t>(QDateTime::currentMSecsSinceEpoch())) {}

int Anwendung::starte(const QString& block, const QString& appPfad) {
    return Main(block, appPfad, daten_, sound_, *this);
}

void Anwendung::zeigeMeldung(const QString& text, const QString& knopf1, const QString& knopf2,
                             const QString& titel) {
    mld_.zeigeMeldung(text, knopf1, knopf2, titel);
}

void Anwendung::spielerGelesen(int index, const QString& name) {
    info_.spielerGelesen(index, name);
}

void Anwendung::zeigeHintergrund() {
    hintergrund_.show();
}

int Anwendung::zeigeHauptfenster() {
    RdbAufgabenQuelle aufgaben(zufall_);
    meisterListe_ =
        std::make_unique<MeisterListe>(oeffneMeisterSpeicher(daten_.appPfad, daten_.userPfad));
    meisterFrm_ = std::make_unique<MeisterFrm>(*meisterListe_, &hilfe_, daten_.hilfeDatei);
    MainFrm hauptfenster({daten_, aufgaben, sound_, zufall_, uhr_, hilfe_, mld_, info_,
                          meisterFrm_.get(), &sprache_},
                         &hintergrund_);
    hilfe_.setzeBesitzer(&hauptfenster);
    hauptfenster.lade();
    return spiele(hauptfenster);
}

int Anwendung::spiele(MainFrm& hauptfenster) {
    return hauptfenster.exec();
}

} // namespace zafku
