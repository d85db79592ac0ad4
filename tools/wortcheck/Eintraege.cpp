#include "Pruefungen.h"

#include "SatzRegeln.h"
#include "Uebung.h"
#include "Wortschatz.h"

#include <algorithm>

namespace zafku::wortcheck {

namespace {

const QStringList artikel = {"der", "die", "das"};
const QStringList wortarten = {"Tunwort",        "Wiewort",  "Umstandswort", "Fürwort",
                               "Verhältniswort", "Zahlwort", "Bindewort",    "Begleiter"};

bool lueckeIstGanzesWort(const Material& m, const WortEintrag& w) {
    for (const material::Marke& marke : w.marken) {
        const Uebung* u = uebungFuer(m, marke.code);
        if (marke.vonPos == 1 && u)
            for (const SchreibPaar& p : u->kategorie.schreibPaare)
                if (p.schreibung1 == w.wort || p.schreibung2 == w.wort)
                    return true;
    }
    return false;
}

} // namespace

void pruefeEintraege(Material& m, const Wortschatz& wortschatz, QList<QuellFehler>& fehler) {
    QHash<QString, const WortEintrag*> erstes;
    QSet<QPair<QString, QString>> saetze;
    for (const WortEintrag& w : m.woerter) {
        const auto melde = [&](const QString& text) { fehler.append({w.datei, w.zeile, text}); };
        if (!wortschatz.enthaelt(w.wort))
            melde(QStringLiteral("\"%1\" steht nicht in der Wortliste").arg(w.wort));
        if (w.satz.count(u'@') != 1)
            melde(
                QStringLiteral("der Satz hat %1 \"@\" statt genau eines").arg(w.satz.count(u'@')));
        if (artikel.contains(w.kontext) && !w.wort[0].isUpper())
            melde(QStringLiteral("Namenwort \"%1\" ist klein geschrieben").arg(w.wort));
        if (w.kontext.isEmpty())
            melde(QStringLiteral("\"%1\" hat keinen Kontext").arg(w.wort));
        else if (!artikel.contains(w.kontext) && !wortarten.contains(w.kontext) &&
                 !m.istGeprueft(QStringLiteral("Kontext ") + w.kontext))
            melde(QStringLiteral("Kontext \"%1\" ist weder Wortart noch Artikel").arg(w.kontext));
        const QString satz = QString(w.satz).replace(u'@', w.wort);
        for (const QString& nomen : ohneDativEndung(satz, m.kontexte))
            if (!m.istGeprueft(QStringLiteral("Fall ") + w.wort))
                melde(QStringLiteral("nach \"den\" fehlt \"%1\" das -n des Dativs").arg(nomen));
        const bool namenwortMarke = std::any_of(w.marken.begin(), w.marken.end(),
                                                [](const auto& mk) { return mk.code == "GK1M"; });
        if (namenwortMarke && !artikel.contains(w.kontext))
            melde(QStringLiteral("Namenwort \"%1\" hat keinen Artikel als Kontext").arg(w.wort));
        // A gap that is the whole word (das/dass) is told apart by its sentence alone.
        const WortEintrag* frueher = erstes.value(w.wort);
        if (!frueher)
            erstes.insert(w.wort, &w);
        else if (!lueckeIstGanzesWort(m, w) || saetze.contains({w.wort, w.satz}))
            melde(QStringLiteral("\"%1\" steht schon in %2:%3")
                      .arg(w.wort, frueher->datei)
                      .arg(frueher->zeile));
        saetze.insert({w.wort, w.satz});
    }
}

void pruefeSaetze(const Material& m, QList<QuellFehler>& fehler) {
    QStringList saetze;
    QList<const WortEintrag*> zu;
    for (const WortEintrag& w : m.woerter) {
        if (w.satz.count(u'@') != 1)
            continue;
        saetze.append(QString(w.satz).replace(u'@', w.wort));
        zu.append(&w);
    }
    QString text;
    const auto ergebnis = rechtschreibFehler(saetze, text);
    if (!ergebnis) {
        fehler.append({QStringLiteral("hunspell"), 0, text});
        return;
    }
    for (int i = 0; i < zu.size(); ++i)
        for (const QString& wort : ergebnis->at(i))
            fehler.append(
                {zu[i]->datei, zu[i]->zeile,
                 QStringLiteral("Rechtschreibprüfung lehnt \"%1\" im Satz ab").arg(wort)});
}

} // namespace zafku::wortcheck
