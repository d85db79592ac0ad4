#include "Kategorienliste.h"

#include "glob/HostDateien.h"
#include "platform/FieldReader.h"

namespace zafku::bericht {

QList<TspEintrag> leseTspText(const QString& text) {
    QList<TspEintrag> liste;
    FieldReader leser(text);
    int katNr = 0;
    while (!leser.atEnd()) {
        TspEintrag e;
        e.titel = leser.next();
        e.code = leser.next();
        e.ueberschrift = e.titel.startsWith(QLatin1String(">>>"));
        if (e.ueberschrift)
            e.titel = e.titel.mid(3).trimmed();
        else
            e.katNr = ++katNr;
        if (!e.titel.isEmpty() || !e.code.isEmpty())
            liste.append(e);
    }
    QList<TspEintrag> woche, rest;
    bool inWoche = false;
    for (const TspEintrag& e : liste) {
        if (e.ueberschrift)
            inWoche = e.code == QLatin1String(kWochenGruppe);
        (inWoche ? woche : rest).append(e);
    }
    return woche + rest;
}

QList<TspEintrag> leseTsp(const QString& appPfad) {
    return leseTspText(leseHostDatei(appPfad, QStringLiteral("Vokra.tsp")));
}

} // namespace zafku::bericht
