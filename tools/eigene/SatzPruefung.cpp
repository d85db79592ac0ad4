#include "SatzPruefung.h"

#include "Pruefungen.h"
#include "StellenName.h"
#include "aussprache/Vokallaenge.h"

#include <QRegularExpression>

namespace zafku::eigene {

int stelleIm(const Block& b, const Vorschlag& v) {
    const LupRegel& r = b.kategorie.lupRegel1;
    return v.vonPos + (r.absolut ? 0 : r.nummer);
}

void pruefeSatz(const PruefWort& w, const QList<Block>& bloecke, QList<Befund>& befunde) {
    const Eingabe& e = w.eingabe;
    const qsizetype at = wortStelle(e.satz, e.wort);
    if (at < 0)
        return;
    QString luecke = e.satz;
    luecke.replace(at, e.wort.size(), QStringLiteral("@"));
    if (const QString grund = wortcheck::artikelWiderspruch(e.kontext, luecke); !grund.isEmpty())
        befunde.append({e.zeile, e.wort,
                        QStringLiteral("Im Satz steht '%1', angegeben ist aber '%2'. Bitte den "
                                       "Artikel oder den Satz verbessern.")
                            .arg(QString(grund).replace(u'@', e.wort), e.kontext)});

    static const QRegularExpression trenner(QStringLiteral("[^\\w-]+"),
                                            QRegularExpression::UseUnicodePropertiesOption);
    const QStringList andere = luecke.split(trenner, Qt::SkipEmptyParts);
    for (const Vorschlag& v : w.stellen) {
        const Block* b = blockFuer(bloecke, v.code);
        // Capital or small letter is not given away by a relative.
        if (!b || v.code.startsWith(QLatin1String("GK")))
            continue;
        for (const QString& a : andere)
            if (wortcheck::verwandt(e.wort, stelleIm(*b, v), a)) {
                befunde.append(
                    {e.zeile, e.wort,
                     QStringLiteral("Der Satz zu '%1' verrät die Schreibung: '%2' ist mit '%1' "
                                    "verwandt. Bitte einen Satz ohne verwandtes Wort wählen.")
                         .arg(e.wort, a)});
                return;
            }
    }
}

namespace {

QString klang(aussprache::Verlangt v) {
    switch (v) {
    case aussprache::Verlangt::Lang:
        return QStringLiteral("lang");
    case aussprache::Verlangt::Kurz:
        return QStringLiteral("kurz");
    default:
        return QStringLiteral("lang oder als Zwielaut");
    }
}

} // namespace

void pruefeAussprache(const PruefWort& w, const QList<Block>& bloecke, const Laute& laute,
                      QList<Befund>& befunde) {
    const QString& wort = w.eingabe.wort;
    QString phoneme;
    for (const Vorschlag& v : w.stellen) {
        const Block* b = blockFuer(bloecke, v.code);
        const auto a =
            b ? aussprache::anspruch(v.code, wort, stelleIm(*b, v), v.schreibung) : std::nullopt;
        if (!a)
            continue;
        if (phoneme.isEmpty())
            phoneme = laute(wort);
        const auto k = aussprache::gesprochenerKern(wort, a->buchstabe, phoneme);
        // Where the vowels cannot be matched up, nothing is known of it.
        if (!k || aussprache::erfuellt(a->verlangt, *k))
            continue;
        befunde.append(
            {w.eingabe.zeile, wort,
             QStringLiteral("Die Vorlesestimme spricht das '%1' in '%2' %3; zu »%4« gehört es "
                            "%5. Beim Vorlesen hört das Kind also etwas anderes, als die Regel "
                            "sagt.")
                 .arg(wort[a->buchstabe], wort,
                      k->zwielaut() ? QStringLiteral("als Zwielaut")
                      : k->lang     ? QStringLiteral("lang")
                                    : QStringLiteral("kurz"),
                      stellenName(v, QString()), klang(a->verlangt)),
             false});
    }
}

} // namespace zafku::eigene
