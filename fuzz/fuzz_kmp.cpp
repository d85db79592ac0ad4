// The exercise block reader with its spelling pairs and position rules, then one marker
// row tested against the loaded block: faults are LaufzeitFehler naming the file, rules
// stay 16-bit, list items are never empty, and a spot that is found reads its pair. The
// report's reader of all blocks at once agrees with it.
#include "FuzzHilfe.h"

#include "platform/LaufzeitFehler.h"
#include "platform/Windows1252.h"
#include "rdb/Aufgabe.h"
#include "rdb/AuswahlListe.h"
#include "rdb/KmpDatei.h"
#include "rdb/LupenPruefung.h"

#include <array>

using namespace zafku;

namespace {

struct Eingabe {
    const uint8_t* data;
    size_t size;
    uint8_t byte() {
        if (size == 0)
            return 0;
        --size;
        return *data++;
    }
    int int16() { return int(int16_t(uint16_t(byte()) << 8 | byte())); }
};

void pruefeFund(const Kategorie& k, bool liste2, const QString& wort,
                const std::optional<Fundstelle>& fund) {
    if (!fund)
        return;
    PRUEFE(fund->paarNr >= 0 && fund->paarNr < k.schreibPaare.size(), "pair index in range");
    PRUEFE(fund->vonPos >= 1, "spot starts inside the word");
    const SchreibPaar& paar = k.schreibPaare[fund->paarNr];
    const QString& s = liste2 ? paar.schreibung2 : paar.schreibung1;
    PRUEFE(grossBuchstaben(wort.mid(fund->vonPos - 1, s.size())) == grossBuchstaben(s),
           "spot reads the pair's spelling");
    Aufgabe a;
    a.aktWort = wort;
    a.aktVonPos = fund->vonPos;
    a.aktPaarNr = fund->paarNr;
    a.aktLupLaenge = int(s.size());
    buildAuswahlListe(k, a, liste2);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::array<QString, 6> woerter = {
        QStringLiteral("Biene"),     QStringLiteral("Kind"), QStringLiteral("ihr"),
        QString::fromUtf8("Straße"), QStringLiteral("i"),    QString()};
    Eingabe ein{data, size};
    const uint8_t kopf = ein.byte();
    QByteArray kennung;
    for (int i = 0; i < kopf % 5; ++i)
        kennung += char(ein.byte());
    const bool liste2 = kopf & 0x80;
    const int vesk = ein.int16();
    const int vonPos = ein.int16();
    const QString& wort = woerter[ein.byte() % woerter.size()];
    const QString text =
        decodeWindows1252(QByteArray(reinterpret_cast<const char*>(ein.data), qsizetype(ein.size)));

    const QString schluessel = decodeWindows1252(kennung);
    Kategorie k;
    try {
        k = leseKmpText(text, schluessel, QStringLiteral("Vokra.kmp"));
    } catch (const LaufzeitFehler& fehler) {
        PRUEFE(fehler.text().contains(QLatin1String("Vokra.kmp")), "a fault names the file");
        return 0;
    }
    for (const LupRegel* r : {&k.lupRegel1, &k.lupRegel2})
        PRUEFE(r->nummer >= -32768 && r->nummer <= 32767, "rule number 16-bit");
    for (const QString& schluessel : k.kategorienListe)
        PRUEFE(!schluessel.isEmpty() && !schluessel.contains(u','), "category list item");
    PRUEFE(k.schreibPaare.size() <= text.count(u':'), "every pair holds a colon");
    for (const SchreibPaar& paar : k.schreibPaare)
        PRUEFE(!paar.schreibung2.contains(u','), "second spelling ends at a comma");
    PRUEFE(!k.kmpTitel.contains(u'\r') && !k.kmpTitel.contains(u'\n'), "tip on one line");

    // The report's one pass takes a block exactly where the game's reader finds it.
    const QList<Kategorie> genommen =
        leseKmpUebungen(text, {schluessel}, QStringLiteral("Vokra.kmp"));
    if (k.kmpKennung == schluessel)
        PRUEFE(genommen.size() == 1 && genommen[0].kmpKennung == schluessel &&
                   genommen[0].kmpTitel == k.kmpTitel,
               "one pass finds the block");
    else
        PRUEFE(genommen.isEmpty(), "one pass takes only an exact key");

    pruefeFund(k, liste2, wort, pruefeLupenStelle(k, liste2, vesk, vonPos, wort));
    pruefeFund(k, liste2, wort, pruefeOhneLupenStelle(k, liste2, wort));
    return 0;
}
