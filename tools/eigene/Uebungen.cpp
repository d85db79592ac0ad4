#include "Uebungen.h"

#include "Woche.h"

#include "platform/FieldReader.h"
#include "platform/LaufzeitFehler.h"
#include "rdb/KategorienTabelle.h"
#include "rdb/KmpDatei.h"

namespace zafku::eigene {

QString eigenerSchluessel(const QString& code) {
    return code + u'E';
}

bool istEigenerSchluessel(const QString& schluessel) {
    return schluessel.size() == 5 && schluessel.endsWith(u'E') &&
           getKategorieNr(schluessel.left(4)) > 0;
}

QList<Block> gelieferteBloecke(const QStringList& kmpZeilen) {
    QList<Block> bloecke;
    for (const QString& zeile : kmpZeilen) {
        FieldReader leser(zeile);
        Block b;
        while (!leser.atEnd())
            b.felder.append(leser.next());
        if (b.felder.size() != 7 || istEigenerSchluessel(b.code()) || istWochenSchluessel(b.code()))
            continue;
        try {
            b.kategorie = leseKmpText(zeile, QString(), QStringLiteral("Vokra.kmp"));
        } catch (const LaufzeitFehler&) {
            continue;
        }
        bloecke.append(b);
    }
    return bloecke;
}

const Block* blockFuer(const QList<Block>& bloecke, const QString& code) {
    for (const Block& b : bloecke)
        if (b.code() == code)
            return &b;
    return nullptr;
}

QString blockZeile(const QStringList& felder) {
    QStringList zitiert;
    for (const QString& f : felder)
        zitiert.append(u'"' + f + u'"');
    return zitiert.join(u',');
}

} // namespace zafku::eigene
