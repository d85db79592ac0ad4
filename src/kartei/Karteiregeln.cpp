#include "Karteiregeln.h"

#include <array>

namespace zafku::kartei {

int abstandTage(int fach) {
    static constexpr std::array<int, 4> kTage = {2, 4, 7, 14};
    return kTage.at(fach - 2);
}

Aenderungen wendeAn(Karten& karten, const QList<bericht::Antwort>& antworten, QDate heute) {
    QMap<int, bool> falsch; // per word: was any answer wrong
    for (const bericht::Antwort& a : antworten)
        falsch[a.refNr] = falsch.value(a.refNr) || !a.ok;

    Aenderungen aenderungen;
    for (auto it = falsch.cbegin(); it != falsch.cend(); ++it) {
        const int refNr = it.key();
        if (it.value()) {
            karten[refNr] = {refNr, 1, heute.addDays(1)};
            aenderungen.zurueck.append(refNr);
            continue;
        }
        const auto karte = karten.find(refNr);
        if (karte == karten.end() || karte->fach == kGelernt || karte->faellig > heute)
            continue;
        if (karte->fach == kLetztesFach) {
            *karte = {refNr, kGelernt, {}};
            aenderungen.gelernt.append(refNr);
        } else {
            karte->fach += 1;
            karte->faellig = heute.addDays(abstandTage(karte->fach));
            aenderungen.weiter.append(refNr);
        }
    }
    return aenderungen;
}

} // namespace zafku::kartei
