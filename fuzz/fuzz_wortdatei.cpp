// A teacher's word file of any bytes: it is read as UTF-8 or named for what it is, its
// lines become words with their line numbers, and words that pass the checks are saved
// and read back unchanged.
#include "FuzzEigene.h"

using namespace zafku::eigene;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const FuzzPruefung pruefung;
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    QString fehler;
    const auto text = wortDateiText(bytes, QStringLiteral("w.txt"), fehler);
    PRUEFE(text.has_value() == fehler.isEmpty(), "read, or a reason");
    if (!text)
        return 0;
    const QList<Eingabe> eingaben = leseEingabe(*text);
    int vorher = 0;
    for (const Eingabe& e : eingaben) {
        PRUEFE(e.zeile > vorher, "line numbers rise");
        vorher = e.zeile;
        PRUEFE(!(e.wort + e.kontext + e.satz).contains(u'\n') &&
                   !(e.wort + e.kontext + e.satz).contains(u'\r'),
               "no line break inside a field");
    }
    // The proposals query the exercises per word: a few words show every path.
    QList<PruefWort> woerter;
    for (const Eingabe& e : eingaben.mid(0, 3)) {
        QList<bool> an;
        const QList<Vorschlag> v = pruefung.stand->vorschlagen(e, {}, an);
        PruefWort w{e, {}};
        for (qsizetype i = 0; i < v.size(); ++i) {
            PRUEFE(v[i].vonPos >= 1 && e.wort.contains(v[i].schreibung, Qt::CaseInsensitive),
                   "a proposed spot lies in the word");
            if (an[i])
                w.stellen.append(v[i]);
        }
        woerter.append(w);
    }
    pruefung.pruefe(woerter);
    return 0;
}
