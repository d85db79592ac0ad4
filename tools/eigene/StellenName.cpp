#include "StellenName.h"

#include <QHash>

namespace zafku::eigene {

namespace {

// One name per category, worded from its title and tip; "%1" stands for the spelling.
const QHash<QString, QString>& namen() {
    static const QHash<QString, QString> n = {
        {"LIE_", "ie für langes i"},
        {"LIIH", "ih für langes i"},
        {"LIEH", "ieh für langes i"},
        {"LIKU", "i für kurzes i"},
        {"DHA_", "Dehnungs-h: %1"},
        {"DHE_", "Dehnungs-h: %1"},
        {"DHO_", "Dehnungs-h: %1"},
        {"DVAA", "doppelter Selbstlaut %1"},
        {"DVEE", "doppelter Selbstlaut %1"},
        {"DVOO", "doppelter Selbstlaut %1"},
        {"DKLL", "%1 nach kurzem Selbstlaut"},
        {"DKMM", "%1 nach kurzem Selbstlaut"},
        {"DKNN", "%1 nach kurzem Selbstlaut"},
        {"DKRR", "%1 nach kurzem Selbstlaut"},
        {"DKTT", "%1 nach kurzem Selbstlaut"},
        {"DKFF", "%1 nach kurzem Selbstlaut"},
        {"DKPP", "%1 nach kurzem Selbstlaut"},
        {"CK__", "ck nach kurzem Selbstlaut"},
        {"TZ__", "tz nach kurzem Selbstlaut"},
        {"KZNK", "%1 nach l, n oder r"},
        {"SS__", "ss nach kurzem Selbstlaut"},
        {"SZ__", "ß nach langem Selbstlaut"},
        {"SEIN", "einfaches s"},
        {"DASS", "das oder dass"},
        {"STSP", "st oder sp am Wortanfang"},
        {"AEAE", "ä, weil ein verwandtes Wort a hat"},
        {"AEU_", "äu, weil ein verwandtes Wort au hat"},
        {"AUBP", "b oder p am Wortende"},
        {"AUDT", "d oder t am Wortende"},
        {"AUGK", "g oder k am Wortende"},
        {"VF__", "v, gesprochen wie f"},
        {"VW__", "v, gesprochen wie w"},
        {"PF__", "pf oder f"},
        {"EIAI", "ai oder ei"},
        {"NGNK", "ng oder nk"},
        {"CHSX", "chs oder x"},
        {"QU__", "qu für kw"},
        {"IGIC", "-ig oder -ich am Wortende"},
        {"ERA_", "-er oder -a am Wortende"},
        {"VERV", "Vorsilbe ver- oder vor-"},
        {"ENTD", "Vorsilbe ent- oder Wortstamm end"},
        {"ANBP", "b oder p am Wortanfang"},
        {"ANDT", "d oder t am Wortanfang"},
        {"ANGK", "g oder k am Wortanfang"},
        {"OEUE", "ö oder ü"},
        {"EIIE", "ei oder ie"},
        {"GK1M", "Großschreibung (Namenwort)"},
        {"GK2M", "Kleinschreibung (Tunwort)"},
        {"GK3M", "Kleinschreibung (Wiewort)"},
        {"YPSI", "y in Fremdwörtern"},
        {"TH__", "th in Fremdwörtern"},
        {"CKAN", "C am Wortanfang"},
    };
    return n;
}

} // namespace

QString stellenName(const Vorschlag& v, const QString& wort) {
    const QString s = v.schreibung.toLower();
    QString name = namen().value(v.code, QStringLiteral("weitere schwierige Stelle"));
    // The long-vowel exercises also ask a vowel written alone (Wal against Wahl).
    if (name.contains(QLatin1String("%1")) && s.size() == 1 &&
        QStringLiteral("aeiouäöü").contains(s))
        name = QStringLiteral("langes %1 ohne h und nicht doppelt");
    // ß after a diphthong: heiß, draußen.
    const qsizetype vor = v.vonPos - 3;
    if (v.code == u"SZ__" && vor >= 0 &&
        QStringList{"au", "ei", "eu", "äu", "ai"}.contains(wort.mid(vor, 2).toLower()))
        name = QStringLiteral("ß nach Zwielaut");
    name.replace(QLatin1String("%1"), s);
    if (wort.isEmpty() || v.code.startsWith(QLatin1String("GK")))
        return name;
    return QStringLiteral("%1 (%2)").arg(name, wort);
}

QString stellenZeile(const Vorschlag& v, const QString& wort) {
    const QString name = stellenName(v, wort);
    return v.grund.isEmpty() ? name : QStringLiteral("%1 – unsicher: %2").arg(name, v.grund);
}

} // namespace zafku::eigene
