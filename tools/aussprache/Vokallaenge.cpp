#include "Vokallaenge.h"

#include <QStringList>

#include <array>

namespace zafku::aussprache {

namespace {

const QString vokale = QStringLiteral("aeiouäöüyAEIOUÄÖÜY");

// Longest first, so that "ie" is one written vowel and "aI" one spoken one.
const QStringList geschriebenePaare = {"aa", "ee", "oo", "ie", "ei", "ai", "au", "eu", "äu"};
const QStringList gesprocheneZwielaute = {"aI", "aU", "OY"};
const QString gesprocheneEinzel = QStringLiteral("aAeEiIoOuUyYW29@36");

struct Geschrieben {
    int anfang;
    QString text;
};

QList<Geschrieben> geschriebeneVokale(const QString& wort) {
    const QString w = wort.toLower();
    QList<Geschrieben> liste;
    for (int i = 0; i < w.size();) {
        if (!vokale.contains(w[i])) {
            ++i;
            continue;
        }
        const QString zwei = w.mid(i, 2);
        const int laenge = geschriebenePaare.contains(zwei) ? 2 : 1;
        liste.append({i, w.mid(i, laenge)});
        i += laenge;
    }
    return liste;
}

// Which spoken vowels a written one may stand for. A doubled vowel or ie is never the
// murmured e, so a misread prefix ("Be-eren") is not taken for it.
bool passt(const QString& geschrieben, const Kern& k) {
    static const std::array<std::pair<const char*, const char*>, 12> familien = {{
        {"a", "a A"},
        {"e", "e E @ 3 6"},
        {"i", "i I"},
        {"o", "o O"},
        {"u", "u U"},
        {"ä", "E e"},
        {"ö", "Y W 2 9"},
        {"ü", "y Y"},
        {"y", "y Y i I"},
        {"ei", "aI"},
        {"au", "aU"},
        {"eu", "OY"},
    }};
    QString g = geschrieben;
    if (g == QLatin1String("aa") || g == QLatin1String("ee") || g == QLatin1String("oo"))
        g.truncate(1);
    else if (g == QLatin1String("ie"))
        g = QStringLiteral("i");
    else if (g == QLatin1String("ai"))
        g = QStringLiteral("ei");
    else if (g == QLatin1String("äu"))
        g = QStringLiteral("eu");
    if (g != geschrieben && (k.laut == u"@" || k.laut == u"3" || k.laut == u"6"))
        return false;
    for (const auto& [schrift, laute] : familien)
        if (g == QString::fromUtf8(schrift))
            return QString::fromLatin1(laute).split(u' ').contains(k.laut);
    return false;
}

} // namespace

QList<Kern> kerne(const QString& phoneme) {
    QList<Kern> liste;
    for (int i = 0; i < phoneme.size();) {
        const QString zwei = phoneme.mid(i, 2);
        if (gesprocheneZwielaute.contains(zwei)) {
            liste.append({zwei, true});
            i += 2;
        } else if (gesprocheneEinzel.contains(phoneme[i])) {
            const bool lang = phoneme.mid(i + 1, 1) == u":";
            liste.append({phoneme.mid(i, 1), lang});
            i += lang ? 2 : 1;
        } else {
            ++i;
        }
    }
    return liste;
}

std::optional<Kern> gesprochenerKern(const QString& wort, int buchstabe, const QString& phoneme) {
    const QList<Geschrieben> g = geschriebeneVokale(wort);
    const QList<Kern> k = kerne(phoneme);
    const int n = static_cast<int>(g.size());
    const int m = static_cast<int>(k.size());
    // Edit distance between written and spoken vowels: a spoken one may be left over
    // (the vocalic r of "Tier"), a written one silent, a pair may fit or not.
    QList<QList<int>> kosten(n + 1, QList<int>(m + 1, 0));
    for (int i = 0; i <= n; ++i)
        for (int j = 0; j <= m; ++j) {
            if (i == 0 || j == 0) {
                kosten[i][j] = i + j;
                continue;
            }
            const int paar = kosten[i - 1][j - 1] + (passt(g[i - 1].text, k[j - 1]) ? 0 : 2);
            kosten[i][j] = std::min({paar, kosten[i - 1][j] + 1, kosten[i][j - 1] + 1});
        }
    for (int i = n, j = m; i > 0 && j > 0;) {
        const bool gepasst = passt(g[i - 1].text, k[j - 1]);
        if (kosten[i][j] == kosten[i - 1][j - 1] + (gepasst ? 0 : 2)) {
            if (g[i - 1].anfang <= buchstabe && buchstabe < g[i - 1].anfang + g[i - 1].text.size())
                return gepasst ? std::optional<Kern>(k[j - 1]) : std::nullopt;
            --i, --j;
        } else if (kosten[i][j] == kosten[i - 1][j] + 1) {
            --i;
        } else {
            --j;
        }
    }
    return std::nullopt;
}

namespace {

bool istDoppelterMitlaut(const QString& s) {
    return s.size() == 2 && s[0] == s[1] && !vokale.contains(s[0]);
}

} // namespace

std::optional<Anspruch> anspruch(const QString& kategorie, const QString& wort, int vonPos,
                                 const QString& schreibung) {
    static const QStringList langeSchreibungen = {"ie", "ih", "ieh", "ah", "äh", "eh", "oh",
                                                  "öh", "uh", "üh",  "aa", "ee", "oo"};
    const QString s = schreibung.toLower();
    const int spot = vonPos - 1;
    std::optional<Verlangt> verlangt;
    bool davor = true;
    if (s == u"ck" || s == u"tz" || istDoppelterMitlaut(s)) {
        verlangt = Verlangt::Kurz;
    } else if (s == u"ß") {
        verlangt = Verlangt::LangOderZwielaut;
    } else if (langeSchreibungen.contains(s) || ((kategorie.startsWith(QLatin1String("DH")) ||
                                                  kategorie.startsWith(QLatin1String("DV"))) &&
                                                 s.size() == 1 && vokale.contains(s[0]))) {
        verlangt = Verlangt::Lang;
        davor = false;
    } else if (kategorie.startsWith(QLatin1String("LI")) && s == u"i") {
        verlangt = Verlangt::Kurz;
        davor = false;
    } else if ((kategorie.startsWith(QLatin1String("DK")) || kategorie == u"CK__" ||
                kategorie == u"TZ__" || kategorie == u"KZNK") &&
               s.size() == 1 && !vokale.contains(s[0])) {
        verlangt = Verlangt::LangOderZwielaut;
    }
    if (!verlangt)
        return std::nullopt;
    int buchstabe = spot;
    if (davor) {
        // The rule speaks of the vowel right before, also past a lengthening h (the rr of
        // Fahrrad); after l, n or r it has nothing to say.
        buchstabe = spot - 1;
        if (buchstabe > 0 && wort[buchstabe] == u'h' && vokale.contains(wort[buchstabe - 1]))
            --buchstabe;
        if (buchstabe < 0 || buchstabe >= wort.size() || !vokale.contains(wort[buchstabe]))
            return std::nullopt;
    }
    return Anspruch{*verlangt, buchstabe};
}

bool erfuellt(Verlangt verlangt, const Kern& k) {
    return verlangt == Verlangt::Kurz ? !k.lang : k.lang;
}

QString widerspruch(const QString& kategorie, const QString& wort, int vonPos,
                    const QString& schreibung, const QString& phoneme) {
    const std::optional<Anspruch> a = anspruch(kategorie, wort, vonPos, schreibung);
    if (!a)
        return {};
    const int buchstabe = a->buchstabe;
    const std::optional<Kern> k = gesprochenerKern(wort, buchstabe, phoneme);
    if (!k)
        return QStringLiteral("kein passender Selbstlaut in \"%1\"").arg(phoneme);
    const QString gesprochen =
        k->zwielaut() ? QStringLiteral("Zwielaut %1").arg(k->laut)
                      : QStringLiteral("%1 %2").arg(k->lang ? "langes" : "kurzes", k->laut);
    if (erfuellt(a->verlangt, *k))
        return {};
    switch (a->verlangt) {
    case Verlangt::Lang:
        return gesprochen + QStringLiteral(" statt langem Selbstlaut");
    case Verlangt::Kurz:
        return gesprochen + QStringLiteral(" statt kurzem Selbstlaut");
    default:
        return gesprochen + QStringLiteral(" statt langem Selbstlaut oder Zwielaut");
    }
}

} // namespace zafku::aussprache
