#include "Pruefungen.h"

#include "Hilfetexte.h"
#include "glob/GlobModul.h"
#include "glob/SitzungsDaten.h"
#include "help/HtmlHelpMod.h"

#include <QDir>

#include <algorithm>

namespace zafku::wortcheck {

namespace {

// What a tip or the category's help page says about left-out words and spellings must
// hold for the exercise's tasks.
void pruefeTexte(Material& m, const QString& datei, const QList<Absatz>& absaetze,
                 const QString& code, QList<QuellFehler>& fehler) {
    pruefeBehauptungen(m, datei, absaetze, code, fehler);
    const QSet<QString>& aufgaben = m.aufgabenWoerter[code];
    for (const Aussage& a : aussagen(absaetze)) {
        const auto melde = [&](const QString& schluessel, const QString& text) {
            if (!m.istGeprueft(code + QStringLiteral(" Text ") + schluessel))
                fehler.append({datei, a.zeile, text + QStringLiteral(" (Übung %1)").arg(code)});
        };
        switch (a.art) {
        case Aussage::Ausgelassen:
            for (const QString& wort : a.woerter)
                if (aufgaben.contains(wort))
                    melde(wort, QStringLiteral("\"%1\" heißt ausgelassen, ist aber eine Aufgabe")
                                    .arg(wort));
            break;
        case Aussage::KeinePaare: {
            QStringList ungenannt = m.echtePaare[code];
            ungenannt.removeDuplicates();
            ungenannt.removeIf(
                [&](const QString& p) { return a.rest.contains(p.section(u'/', 0, 0)); });
            if (!ungenannt.isEmpty())
                melde(QStringLiteral("Paare"),
                      QStringLiteral("Paare aus zwei Wörtern heißen ausgelassen, die Übung hat %1")
                          .arg(ungenannt.join(QStringLiteral(", "))));
            break;
        }
        case Aussage::AlleAnderen:
            for (const QString& wort : m.ersteSchreibung[code])
                if (std::none_of(a.woerter.begin(), a.woerter.end(), [&](const QString& f) {
                        return wort.contains(f, Qt::CaseInsensitive);
                    }))
                    melde(wort, QStringLiteral("\"%1\" fehlt unter den Wörtern vor \"%2\"")
                                    .arg(wort, a.satz));
            break;
        case Aussage::ZwielautAlsLang:
            for (const QString& wort : a.woerter)
                melde(wort, QStringLiteral("\"%1\" hat einen Zwielaut, keinen langen Selbstlaut")
                                .arg(wort));
            break;
        }
    }
}

} // namespace

void pruefeTexte(Material& m, const QString& hilfeDir, QList<QuellFehler>& fehler) {
    for (int nr = 1; nr <= m.kategorien.size(); ++nr) {
        const QString& code = m.kategorien[nr - 1];
        const Uebung* u = uebungFuer(m, code);
        if (!u)
            continue;
        pruefeTexte(m, u->datei, {{u->kategorie.kmpTitel, u->zeile}}, code, fehler);
        SitzungsDaten daten;
        daten.katNr = nr;
        initHilfe(daten);
        const QString seite =
            QDir(hilfeDir).filePath(QStringLiteral("%1.html").arg(daten.katHilfeNr));
        if (const auto html = leseUtf8(seite))
            pruefeTexte(m, seite, absaetzeDerSeite(*html), code, fehler);
        else
            fehler.append({seite, 0, QStringLiteral("Hilfeseite der Übung %1 fehlt").arg(code)});
    }
}

} // namespace zafku::wortcheck
