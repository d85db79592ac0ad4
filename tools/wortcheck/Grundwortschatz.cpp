#include "Grundwortschatz.h"

#include <QStringList>

namespace zafku::wortcheck {

namespace {

const QStringList endungen = {"e",   "en",   "n",  "er",    "ern",  "es",  "s",
                              "st",  "t",    "et", "te",    "ten",  "em",  "est",
                              "ste", "sten", "in", "innen", "chen", "lein"};
const QStringList fugen = {"s", "n", "en", "e", "es", "er"};
const QStringList vorsilben = {"ver", "vor", "ent", "be", "ge", "er", "zer", "un", "weg", "los"};

QString ohneUmlaut(QString w) {
    return w.replace(QLatin1String("äu"), QLatin1String("au"))
        .replace(u'ä', u'a')
        .replace(u'ö', u'o')
        .replace(u'ü', u'u');
}

} // namespace

Grundwortschatz::Grundwortschatz(const QString& text) {
    for (const QString& zeile : text.split(u'\n')) {
        if (zeile.trimmed().startsWith(u'#'))
            continue;
        for (const QString& wort : zeile.split(u' ', Qt::SkipEmptyParts)) {
            const QString w = wort.toLower();
            woerter_.insert(w);
            if (w.endsWith(QLatin1String("en")) && w.size() > 4)
                staemme_.insert(w.chopped(2));
            else if (w.endsWith(u'n') && w.size() > 4)
                staemme_.insert(w.chopped(1));
            if (w.endsWith(u'e') && w.size() > 3)
                staemme_.insert(w.chopped(1));
        }
    }
}

bool Grundwortschatz::enthaelt(const QString& wort) const {
    return gebildet(wort.toLower());
}

bool Grundwortschatz::alsTeil(const QString& teil) const {
    return woerter_.contains(teil) || staemme_.contains(teil) ||
           staemme_.contains(ohneUmlaut(teil)) || vorsilben.contains(teil);
}

bool Grundwortschatz::gebildet(const QString& w) const {
    if (const auto it = gemerkt_.constFind(w); it != gemerkt_.constEnd())
        return *it;
    bool ja = woerter_.contains(w) || woerter_.contains(ohneUmlaut(w));
    for (const QString& e : endungen) {
        if (ja)
            break;
        if (!w.endsWith(e) || w.size() - e.size() < 2)
            continue;
        const QString stamm = w.chopped(e.size());
        ja = alsTeil(stamm) || woerter_.contains(ohneUmlaut(stamm)) ||
             woerter_.contains(stamm + u'e') || woerter_.contains(ohneUmlaut(stamm) + u'e');
    }
    // A compound: a known first part (with or without a joint letter) and a known rest.
    for (int i = 2; !ja && i + 3 <= w.size(); ++i) {
        const QString links = w.left(i);
        const QString rechts = w.mid(i);
        if (!gebildet(rechts))
            continue;
        ja = alsTeil(links);
        for (const QString& f : fugen)
            ja = ja || (links.endsWith(f) && links.size() - f.size() >= 3 &&
                        alsTeil(links.chopped(f.size())));
    }
    gemerkt_.insert(w, ja);
    return ja;
}

} // namespace zafku::wortcheck
