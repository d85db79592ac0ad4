#include "KmpDatei.h"

#include "ListenEintrag.h"
#include "glob/GlobModul.h"
#include "glob/HostDateien.h"
#include "platform/FieldReader.h"
#include "platform/HostPath.h"
#include "platform/LaufzeitFehler.h"

#include <algorithm>
#include <array>
#include <optional>

namespace zafku {

namespace {

constexpr int blockFelder = 7;

int regelZahl(const QString& text, const QString& block) {
    const int wert = zahlWert(text);
    if (wert < -32768 || wert > 32767)
        throw LaufzeitFehler(QStringLiteral("Die Positionsregel %1 der Übung %2 in Vokra.kmp "
                                            "ist zu groß.")
                                 .arg(text, block));
    return wert;
}

LupRegel regel(const QString& text, const QString& block) {
    if (text.startsWith(u'*'))
        return {regelZahl(text.mid(1), block), true};
    return {regelZahl(text, block), false};
}

} // namespace

QStringList readKategorienListe(const QString& feld) {
    QStringList liste;
    for (int n = 1;; ++n) {
        const QString eintrag = getListenEintrag(feld, n);
        if (eintrag.isEmpty())
            return liste;
        liste.append(eintrag);
    }
}

void readLupenPositionen(const QString& feld, Kategorie& kategorie, const QString& block) {
    const qsizetype c = feld.indexOf(u':');
    if (c < 0)
        throw LaufzeitFehler(QStringLiteral("Die Positionsregeln »%1« der Übung %2 in "
                                            "Vokra.kmp haben keinen Doppelpunkt.")
                                 .arg(feld, block));
    kategorie.lupRegel1 = regel(feld.left(c), block);
    kategorie.lupRegel2 = regel(feld.mid(c + 1), block);
}

QList<SchreibPaar> readSchreibPaare(const QString& feld) {
    QList<SchreibPaar> paare;
    qsizetype p = 0;
    for (;;) {
        const qsizetype doppelpunkt = feld.indexOf(u':', p);
        if (doppelpunkt < 0)
            return paare;
        qsizetype komma = feld.indexOf(u',', doppelpunkt);
        if (komma < 0)
            komma = feld.size();
        paare.append(
            {feld.mid(p, doppelpunkt - p), feld.mid(doppelpunkt + 1, komma - doppelpunkt - 1)});
        p = komma + 1;
    }
}

namespace {

using Block = std::array<QString, blockFelder>;

// The next block of the text; nullopt when the text ends inside it.
std::optional<Block> liesBlock(FieldReader& leser) {
    Block feld;
    for (QString& f : feld)
        f = leser.next();
    // A quote left open at the end means the last field lost its tail.
    if (leser.readPastEnd() || leser.quoteCutOff())
        return std::nullopt;
    return feld;
}

[[noreturn]] void abgeschnitten(const QString& datei) {
    throw LaufzeitFehler(QStringLiteral("Die Übungsdatei %1 endet nicht mit einem "
                                        "vollständigen Block aus %2 Feldern.")
                             .arg(datei)
                             .arg(blockFelder));
}

Kategorie alsKategorie(const Block& feld) {
    Kategorie k;
    k.kmpKennung = feld[0];
    k.kmpKriterium1 = feld[1];
    k.kategorienListe = readKategorienListe(feld[2]);
    k.kmpKriterium2 = feld[3];
    readLupenPositionen(feld[4], k, feld[0]);
    k.schreibPaare = readSchreibPaare(feld[5]);
    k.kmpTitel = feld[6];
    return k;
}

} // namespace

Kategorie leseKmpText(const QString& text, const QString& kennung, const QString& datei) {
    FieldReader leser(text);
    for (;;) {
        const auto feld = liesBlock(leser);
        if (!feld)
            abgeschnitten(datei);
        if (feld->at(0).startsWith(kennung) || leser.atEnd())
            return alsKategorie(*feld);
    }
}

QList<Kategorie> leseKmpUebungen(const QString& text, const QStringList& kennungen,
                                 const QString& datei) {
    // One pass over the file instead of one per key.
    FieldReader leser(text);
    QList<Block> bloecke;
    bool ganz = true;
    do {
        const auto feld = liesBlock(leser);
        if (feld)
            bloecke.append(*feld);
        ganz = feld.has_value();
    } while (ganz && !leser.atEnd());
    QList<Kategorie> uebungen;
    for (const QString& kennung : kennungen) {
        const auto block = std::find_if(bloecke.cbegin(), bloecke.cend(),
                                        [&](const Block& b) { return b[0].startsWith(kennung); });
        if (block == bloecke.cend() && !ganz)
            abgeschnitten(datei);
        if (block != bloecke.cend() && block->at(0) == kennung)
            uebungen.append(alsKategorie(*block));
    }
    return uebungen;
}

Kategorie readKmpDatei(const QString& appPfad, const QString& kennung) {
    const QString name = QStringLiteral("Vokra.kmp");
    const QString pfad = resolveHostPath(appPfad, name);
    Kategorie k = leseKmpText(leseHostDatei(appPfad, name), kennung, pfad);
    // Another exercise's block would ask tasks under a title that does not fit them.
    if (!k.kmpKennung.startsWith(kennung))
        throw LaufzeitFehler(QStringLiteral("Die Übung %1 fehlt in der Übungsdatei %2. Bitte "
                                            "Vokra.kmp aus der Sicherung oder neu einspielen.")
                                 .arg(kennung, pfad));
    return k;
}

} // namespace zafku
