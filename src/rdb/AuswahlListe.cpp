#include "AuswahlListe.h"

#include "ListenEintrag.h"

namespace zafku {

namespace {

QString ersterGross(QString text) {
    if (!text.isEmpty())
        text[0] = text[0].toUpper();
    return text;
}

} // namespace

bool isGrossBuchstabe(const QString& text) {
    if (text.isEmpty())
        return false;
    const QChar c = text[0];
    return (c >= u'A' && c <= u'Z') || c == u'Ä' || c == u'Ö' || c == u'Ü';
}

QString buildAuswahlListe(const Kategorie& kategorie, const Aufgabe& aufgabe, bool liste2) {
    static const QStringList festeSchreibung = {"GK1M", "GK2M", "GK3M"};
    const bool gross = !festeSchreibung.contains(kategorie.kmpKennung) && aufgabe.aktVonPos == 1 &&
                       isGrossBuchstabe(aufgabe.aktWort.left(1));
    const auto fall = [gross](const QString& s) { return gross ? ersterGross(s) : s; };

    const SchreibPaar& eigen = kategorie.schreibPaare.at(aufgabe.aktPaarNr);
    const QString& richtig = liste2 ? eigen.schreibung2 : eigen.schreibung1;
    QString liste = fall(eigen.schreibung1) + u',' + fall(eigen.schreibung2);
    int anzahl = 2;
    for (const SchreibPaar& paar : kategorie.schreibPaare) {
        if ((liste2 ? paar.schreibung2 : paar.schreibung1) != richtig)
            continue;
        const QString& andere = liste2 ? paar.schreibung1 : paar.schreibung2;
        if (andere.isEmpty())
            continue;
        const QString kandidat = fall(andere);
        if (!isInListe(liste, kandidat, anzahl)) {
            liste += u',' + kandidat;
            ++anzahl;
        }
    }
    return liste;
}

} // namespace zafku
