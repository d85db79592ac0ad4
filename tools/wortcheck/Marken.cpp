#include "Pruefungen.h"

#include "rdb/KategorienTabelle.h"
#include "rdb/LupenPruefung.h"

namespace zafku::wortcheck {

// Some block that reads a marker's code must find one of its spellings at the spot.
void pruefeMarken(const Material& m, QList<QuellFehler>& fehler) {
    for (const WortEintrag& w : m.woerter) {
        for (const material::Marke& mk : w.marken) {
            const int vesk = getKategorieNr(mk.code);
            if (vesk < 0 || mk.vonPos > w.wort.size())
                continue;
            QStringList ohneTreffer;
            bool irgendwo = false;
            for (const Uebung& u : m.uebungen) {
                const Kategorie& k = u.kategorie;
                if (uebungFuer(m, k.kmpKennung) != &u)
                    continue;
                bool liest = false;
                bool passt = false;
                for (const bool liste2 : {false, true}) {
                    if (liste2 ? !k.kategorienListe.contains(mk.code) : k.kmpKennung != mk.code)
                        continue;
                    liest = true;
                    passt = passt || pruefeLupenStelle(k, liste2, vesk, mk.vonPos, w.wort);
                }
                if (liest && !passt)
                    ohneTreffer.append(k.kmpKennung);
                irgendwo = irgendwo || passt;
            }
            // A block may leave a code's other spellings to a sister block (ck/k and
            // tz/z share the list of k and z after l, n, r); a spot the game takes from
            // the fallback search is reported with the task.
            if (!irgendwo && !ohneTreffer.isEmpty())
                fehler.append({w.datei, w.zeile,
                               QStringLiteral("Marke %1:%2 liest keine Schreibung der Übung %3")
                                   .arg(mk.code)
                                   .arg(mk.vonPos)
                                   .arg(ohneTreffer.join(u','))});
        }
    }
}

} // namespace zafku::wortcheck
