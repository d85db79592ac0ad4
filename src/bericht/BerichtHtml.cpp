#include "BerichtHtml.h"

#include <QLocale>

#include <algorithm>

namespace zafku::bericht {

namespace {

QString h(const QString& s) {
    return s.toHtmlEscaped();
}

QString text(const QString& s) {
    return s;
}
QString text(int n) {
    return QString::number(n);
}

// All values in one pass, so that a "%1" inside a name or title stays as it is.
template <typename... T> QString f(const QString& muster, const T&... werte) {
    return muster.arg(text(werte)...);
}

QString prozent(int teil, int ganz) {
    return ganz ? QStringLiteral("%1 %").arg(qRound(100.0 * teil / ganz)) : QStringLiteral("–");
}

QString anker(const QString& datei) {
    QString a = QStringLiteral("kind-");
    for (const QChar c : datei)
        a += c.isLetterOrNumber() || c == u'_' || c == u'-' ? c : u'_';
    return a;
}

const char* const kStil = R"(
body { font-family: "Liberation Sans", Arial, sans-serif; color: #222; margin: 2em auto;
       max-width: 52em; padding: 0 1em; line-height: 1.4; }
h1 { font-size: 1.8em; margin-bottom: 0; }
h2 { border-bottom: 3px solid #2a7ab0; padding-bottom: .2em; margin-top: 2em; }
h3 { margin-bottom: .3em; }
.unter { color: #666; margin-top: .2em; }
table { border-collapse: collapse; margin: .4em 0 1em; }
th, td { text-align: left; padding: .25em .8em .25em 0; border-bottom: 1px solid #ddd;
         vertical-align: top; }
td.anzahl, td.zahl { text-align: right; white-space: nowrap; }
.kennzahlen td { font-size: 1.3em; font-weight: bold; padding-right: 1.5em; border: none; }
.kennzahlen th { border: none; font-weight: normal; color: #555; }
.verwechslung { font-weight: bold; white-space: nowrap; }
.geschrieben { color: #b3261e; }
.hinweis { color: #555; font-size: .9em; }
.unbrauchbar { color: #7a4b00; }
.kartei td { font-size: 1.3em; font-weight: bold; text-align: center; min-width: 3.2em;
             background: #eef5fb; border: 2px solid #fff; }
.kartei th { text-align: center; font-weight: normal; color: #555; }
.kartei td.faellig { background: #fff4d6; }
svg text { font-family: "Liberation Sans", Arial, sans-serif; }
@media print {
  body { margin: 0; max-width: none; }
  section.kind { break-before: page; }
  a { color: inherit; text-decoration: none; }
}
)";

void klasse(const Bericht& b, QString& o) {
    o += QStringLiteral("<section class=\"klasse\"><h2>Die ganze Gruppe</h2>\n");
    o += QStringLiteral("<h3>Wo viele Kinder unsicher sind</h3>\n");
    if (b.schwierig.isEmpty()) {
        o += QStringLiteral("<p>Kein Rechtschreibbereich fällt bei mehreren Fehlern auf.</p>\n");
    } else {
        o += QStringLiteral("<table class=\"schwierig\"><tr><th>Bereich</th><th>Kinder</th>"
                            "<th>richtig</th><th>falsch</th></tr>\n");
        for (const KlassenBereich& kb : b.schwierig)
            o += f(QStringLiteral("<tr><td class=\"bereich\">%1</td><td class=\"kinder\">%2</td>"
                                  "<td class=\"zahl\">%3</td><td class=\"zahl\">%4</td></tr>\n"),
                   h(kb.titel), h(kb.kinder.join(QStringLiteral(", "))), kb.richtig, kb.falsch);
        o += QStringLiteral("</table>\n");
    }
    o += QStringLiteral("<p class=\"hinweis\">Unsicher heißt: mindestens zwei Fehler, und "
                        "mindestens ein Drittel der Antworten in diesem Bereich war falsch.</p>\n");
    o += QStringLiteral("<h3>Wem zuerst helfen?</h3>\n");
    if (b.zuerstHelfen.isEmpty()) {
        o += QStringLiteral("<p>Noch hat kein Kind gespielt.</p>\n");
    } else {
        o += QStringLiteral("<ol class=\"zuerst\">\n");
        for (const int i : b.zuerstHelfen) {
            const KindBericht& k = b.kinder[i];
            QString schwach;
            if (!k.bereiche.isEmpty() && k.bereiche.first().falsch > 0)
                schwach =
                    QStringLiteral(" – am meisten Fehler: %1").arg(h(k.bereiche.first().titel));
            o += QStringLiteral("<li><a href=\"#%1\">%2</a>: %3 richtig%4</li>\n")
                     .arg(anker(k.datei), h(k.name), prozent(k.richtig, k.antworten), schwach);
        }
        o += QStringLiteral("</ol>\n");
    }
    o += QStringLiteral("</section>\n");
}

void karteiTabelle(const KarteiUebersicht& u, QString& o) {
    if (!u.vorhanden())
        return;
    o += QStringLiteral("<h3>Wortkartei</h3>\n<table class=\"kartei\"><tr>");
    for (int fach = 1; fach <= 5; ++fach)
        o += QStringLiteral("<th>Fach %1</th>").arg(fach);
    o += QStringLiteral("<th>heute dran</th><th>gelernt</th></tr>\n<tr>");
    for (int fach = 1; fach <= 5; ++fach)
        o += QStringLiteral("<td class=\"fach%1\">%2</td>").arg(fach).arg(u.proFach[fach]);
    o += f(QStringLiteral("<td class=\"faellig\">%1</td><td class=\"gelernt\">%2</td></tr>"
                          "</table>\n"),
           u.faellig, u.proFach[0]);
}

void kind(const KindBericht& k, QString& o) {
    o += QStringLiteral("<section class=\"kind\" id=\"%1\"><h2>%2</h2>\n")
             .arg(anker(k.datei), h(k.name));
    if (k.name != k.datei)
        o += QStringLiteral("<p class=\"unter\">Protokolldatei %1.tmp</p>\n").arg(h(k.datei));
    for (const QString& hinweis : k.hinweise)
        o += QStringLiteral("<p class=\"unbrauchbar datei\">%1</p>\n").arg(h(hinweis));
    if (!k.gelesen) {
        o += QStringLiteral("</section>\n");
        return;
    }
    o += f(
        QStringLiteral("<table class=\"kennzahlen\"><tr><th>Antworten</th><th>richtig</th>"
                       "<th>Anteil richtig</th></tr><tr><td class=\"antworten\">%1</td>"
                       "<td class=\"richtig\">%2</td><td class=\"anteil\">%3</td></tr></table>\n"),
        k.antworten, k.richtig, prozent(k.richtig, k.antworten));
    karteiTabelle(k.kartei, o);
    if (!k.bereiche.isEmpty()) {
        o += QStringLiteral("<h3>Richtig und falsch nach Bereich</h3>\n");
        o += balkenSvg(k.bereiche);
    }

    QList<QPair<QString, QPair<QString, int>>> verwechslungen;
    for (const Bereich& b : k.bereiche)
        for (auto it = b.verwechslungen.begin(); it != b.verwechslungen.end(); ++it)
            verwechslungen.append({b.titel, {it.key(), it.value()}});
    std::stable_sort(
        verwechslungen.begin(), verwechslungen.end(),
        [](const auto& a, const auto& b) { return a.second.second > b.second.second; });
    o += QStringLiteral("<h3>Verwechslungen</h3>\n");
    if (verwechslungen.isEmpty()) {
        o += QStringLiteral("<p>Keine Fehler.</p>\n");
    } else {
        o += QStringLiteral("<table class=\"verwechslungen\"><tr><th>richtig → geschrieben</th>"
                            "<th>wie oft</th><th>Bereich</th></tr>\n");
        for (const auto& v : verwechslungen)
            o += f(QStringLiteral(
                       "<tr><td class=\"verwechslung\">%1</td><td class=\"anzahl\">%2 ×</td>"
                       "<td class=\"bereich\">%3</td></tr>\n"),
                   h(v.second.first), v.second.second, h(v.first));
        o += QStringLiteral("</table>\n");
    }

    if (!k.woerter.isEmpty()) {
        o += QStringLiteral("<h3>Falsch geschriebene Wörter</h3>\n<table class=\"woerter\">"
                            "<tr><th>Wort</th><th>so geschrieben</th><th>wie oft</th></tr>\n");
        for (const FehlerWort& w : k.woerter) {
            bool erste = true;
            for (auto it = w.schreibungen.begin(); it != w.schreibungen.end(); ++it) {
                o += f(
                    QStringLiteral("<tr><td class=\"wort\">%1</td><td class=\"geschrieben\">%2</td>"
                                   "<td class=\"anzahl\">%3 ×</td></tr>\n"),
                    erste ? h(w.wort) : QString(), h(it.key()), it.value());
                erste = false;
            }
        }
        o += QStringLiteral("</table>\n");
    }

    if (k.unbrauchbarAnzahl > 0) {
        o += QStringLiteral("<h3 class=\"unbrauchbar\">Nicht verwertbar: <span "
                            "class=\"unbrauchbar-anzahl\">%1</span> Zeilen</h3>\n<ul "
                            "class=\"unbrauchbar\">\n")
                 .arg(k.unbrauchbarAnzahl);
        for (const Unbrauchbar& u : k.unbrauchbar) {
            if (u.zeile == 0)
                o += QStringLiteral("<li>%1</li>\n").arg(h(u.grund));
            else
                o += f(QStringLiteral("<li>Zeile %1: <code>%2</code> – %3</li>\n"), u.zeile,
                       h(u.text), h(u.grund));
        }
        if (k.unbrauchbarAnzahl > k.unbrauchbar.size() && k.unbrauchbar.first().zeile != 0)
            o += QStringLiteral("<li>… und %1 weitere</li>\n")
                     .arg(k.unbrauchbarAnzahl - k.unbrauchbar.size());
        o += QStringLiteral("</ul>\n");
    }
    o += QStringLiteral("</section>\n");
}

} // namespace

QString balkenSvg(const QList<Bereich>& bereiche) {
    constexpr int breite = 640, balkenLinks = 8, balkenBreite = 450, zeile = 46;
    int groesste = 1;
    for (const Bereich& b : bereiche)
        groesste = std::max(groesste, b.antworten());
    const int hoehe = int(bereiche.size()) * zeile + 28;
    QString s = f(QStringLiteral("<svg class=\"balken\" xmlns=\"http://www.w3.org/2000/svg\" "
                                 "width=\"%1\" height=\"%2\" viewBox=\"0 0 %1 %2\" role=\"img\" "
                                 "aria-label=\"Richtig und falsch nach Bereich\">\n"),
                  breite, hoehe);
    int y = 0;
    for (const Bereich& b : bereiche) {
        const double faktor = double(balkenBreite) / groesste;
        const int gruen = qRound(b.richtig * faktor);
        const int rot = qRound(b.falsch * faktor);
        s += f(QStringLiteral("<text x=\"%1\" y=\"%2\" font-size=\"13\">%3</text>\n"), balkenLinks,
               y + 14, h(b.titel));
        if (gruen > 0)
            s += f(QStringLiteral(
                       "<rect class=\"richtig\" x=\"%1\" y=\"%2\" width=\"%3\" height=\"18\" "
                       "fill=\"#3c9a4a\"/>\n"),
                   balkenLinks, y + 20, gruen);
        if (rot > 0)
            s += f(QStringLiteral(
                       "<rect class=\"falsch\" x=\"%1\" y=\"%2\" width=\"%3\" height=\"18\" "
                       "fill=\"#d0473c\"/>\n"),
                   balkenLinks + gruen, y + 20, rot);
        s += f(QStringLiteral("<text x=\"%1\" y=\"%2\" font-size=\"12\" fill=\"#333\">%3 richtig, "
                              "%4 falsch</text>\n"),
               balkenLinks + gruen + rot + 6, y + 34, b.richtig, b.falsch);
        y += zeile;
    }
    s += f(QStringLiteral("<rect x=\"%1\" y=\"%2\" width=\"12\" height=\"12\" fill=\"#3c9a4a\"/>"
                          "<text x=\"%3\" y=\"%4\" font-size=\"12\">richtig</text>"
                          "<rect x=\"%5\" y=\"%2\" width=\"12\" height=\"12\" fill=\"#d0473c\"/>"
                          "<text x=\"%6\" y=\"%4\" font-size=\"12\">falsch</text>\n"),
           balkenLinks, y + 8, balkenLinks + 16, y + 18, balkenLinks + 80, balkenLinks + 96);
    s += QStringLiteral("</svg>\n");
    return s;
}

QString kinderAnzahl(qsizetype n) {
    return n == 1 ? QStringLiteral("1 Kind") : QStringLiteral("%1 Kinder").arg(n);
}

QString berichtHtml(const Bericht& b, const QDateTime& erstellt) {
    const QLocale de(QLocale::German);
    QString o;
    o += QStringLiteral("<!DOCTYPE html>\n<html lang=\"de\"><head><meta charset=\"utf-8\">\n"
                        "<title>Lernbericht Rechtschreibung</title>\n<style>");
    o += QString::fromUtf8(kStil);
    o += QStringLiteral("</style></head><body>\n<header><h1>Lernbericht Rechtschreibung</h1>\n");
    const auto ungelesen = std::count_if(b.kinder.begin(), b.kinder.end(),
                                         [](const KindBericht& k) { return !k.gelesen; });
    o += QStringLiteral("<p class=\"unter\">Zafku · %1 %2 · erstellt am %3</p></header>\n")
             .arg(kinderAnzahl(b.kinder.size()) +
                      (ungelesen == 0 ? QString()
                       : ungelesen == 1
                           ? QStringLiteral(" (1 Datei nicht lesbar)")
                           : QStringLiteral(" (%1 Dateien nicht lesbar)").arg(ungelesen)),
                  QStringLiteral("aus ") + h(b.ordner),
                  de.toString(erstellt, QStringLiteral("d. MMMM yyyy, HH:mm")));
    o += QStringLiteral("<p class=\"zeitraum\">Zeitraum: %1</p>\n")
             .arg(b.ab.isNull() ? QStringLiteral("alles")
                                : QStringLiteral("diese Woche (seit %1)")
                                      .arg(de.toString(b.ab, QStringLiteral("dddd, d. MMMM"))));
    if (!b.karteiFehler.isEmpty())
        o += QStringLiteral("<p class=\"unbrauchbar\">Die Wortkarteien fehlen: %1</p>\n")
                 .arg(h(b.karteiFehler));
    if (b.kinder.isEmpty()) {
        o += QStringLiteral("<p>Im Ordner User gibt es noch keine Protokolldateien.</p>\n");
    } else {
        klasse(b, o);
        for (const KindBericht& k : b.kinder)
            kind(k, o);
    }
    o += QStringLiteral("</body></html>\n");
    return o;
}

} // namespace zafku::bericht
