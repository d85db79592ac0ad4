// The class's saved word list of any bytes, as a rebuild reads it: read or refused with a
// reason, written and read back to the same list, and checked like typed words.
#include "FuzzEigene.h"

using namespace zafku::eigene;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const FuzzPruefung pruefung;
    pruefung.host.write(QStringLiteral("Eigene-Woerter.txt"),
                        QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    QString fehler;
    const EigeneListe liste = ladeEigeneListe(pruefung.host.path(), &fehler);
    PRUEFE(fehler.isEmpty() || liste.woerter.isEmpty(), "a refused file gives no words");
    const EigeneListe wieder = leseEigeneListe(eigeneListeText(liste));
    PRUEFE(wieder.naechsteNummer == liste.naechsteNummer &&
               wieder.woerter.size() == liste.woerter.size(),
           "the list reads back whole");
    for (qsizetype i = 0; i < liste.woerter.size(); ++i) {
        const EigenesWort &a = liste.woerter[i], &b = wieder.woerter[i];
        PRUEFE(a.refNr == b.refNr && a.wort == b.wort && a.kontext == b.kontext &&
                   a.satz == b.satz && gleich(a.marken, b.marken) && a.entfernt == b.entfernt,
               "each word reads back as written");
    }
    QList<Befund> befunde;
    EigeneListe wenige = liste;
    wenige.woerter = liste.woerter.mid(0, 3);
    pruefung.pruefe(pruefung.stand->pruefWoerter(wenige, befunde));
    return 0;
}
