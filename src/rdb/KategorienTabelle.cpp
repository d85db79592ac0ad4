#include "KategorienTabelle.h"

#include "platform/FieldReader.h"

namespace zafku {

const QStringList& kategorienTabelle() {
    static const QStringList tabelle = {
        "LIE_", "LIIH", "LIEH", "LIKU", "DHA_", "DHE_", "DHO_", "DVAA", "DVEE", "DVOO", "DKLL",
        "DKMM", "DKNN", "DKRR", "DKTT", "DKFF", "DKPP", "CK__", "TZ__", "KZNK", "SS__", "SZ__",
        "SEIN", "DASS", "STSP", "AEAE", "AEU_", "AUBP", "AUDT", "AUGK", "VF__", "VW__", "PF__",
        "EIAI", "NGNK", "CHSX", "QU__", "IGIC", "ERA_", "VERV", "ENTD", "ANBP", "ANDT", "ANGK",
        "OEUE", "EIIE", "GK1M", "GK2M", "GK3M", "YPSI", "TH__", "CKAN",
    };
    return tabelle;
}

int getKategorieNr(const QString& schluessel) {
    const qsizetype i = kategorienTabelle().indexOf(schluessel);
    return i < 0 ? -1 : int(i) + 1;
}

QStringList leseKategorienCodes(const QString& tspText) {
    QStringList codes;
    FieldReader leser(tspText);
    while (!leser.atEnd()) {
        const QString titel = leser.next();
        const QString code = leser.next();
        if (!titel.startsWith(QLatin1String(">>>")))
            codes.append(code);
    }
    return codes;
}

} // namespace zafku
