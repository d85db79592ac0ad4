#include "GlobModul.h"

#include "SitzungsDaten.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace zafku {

int zufallsZahl(int lo, int hi, RandomSource& quelle, const Clock& uhr) {
    quelle.reseed(uhr.secondsSinceMidnight());
    const float r = quelle.next();
    const float spanne = static_cast<float>(hi - lo + 1);
    int x = static_cast<int>(std::floor(spanne * r + static_cast<float>(lo)));
    if (x > hi)
        x = hi;
    if (x < lo)
        x = lo;
    return x;
}

QString vorname(const QString& name) {
    const qsizetype p = name.indexOf(u' ');
    return p < 0 ? name : name.left(p);
}

void initFarben(SitzungsDaten& daten) {
    daten.farbTabHell = {255, 204, 255, 204, 223, 255, 255, 204, 255, 223, 0, 255, 102, 102, 222};
    daten.farbTabStark = {255, 0, 204, 51, 223, 153, 255, 0, 153, 223, 51, 0, 204, 255, 222};
}

namespace {
Farbe farbe(const std::array<int, 15>& tab, int zeile) {
    return {tab[zeile], tab[zeile + 5], tab[zeile + 10]};
}
} // namespace

Farbe farbeHell(const SitzungsDaten& daten, int zeile) {
    return farbe(daten.farbTabHell, zeile);
}
Farbe farbeStark(const SitzungsDaten& daten, int zeile) {
    return farbe(daten.farbTabStark, zeile);
}

namespace {
bool istZiffer(QChar c) {
    return c >= u'0' && c <= u'9';
}
} // namespace

QString bausteinBildName(const QString& code) {
    // A missing character is "", never a NUL in the file name.
    const auto zeichen = [&](int n) { return code.mid(n - 1, 1); };
    const auto ziffer = [&](int n) { return zeichen(n).size() == 1 && istZiffer(zeichen(n)[0]); };
    QString s;
    if (ziffer(3))
        s = code.left(2) + (ziffer(4) ? QStringLiteral("_") : zeichen(4));
    else if (code.left(2) == QLatin1String("LT"))
        s = QStringLiteral("LT_");
    else
        s = code.left(3);
    return QStringLiteral("BST_") + s + QStringLiteral(".GIF");
}

int zahlWert(const QString& text) {
    qsizetype i = 0;
    while (i < text.size() && text[i] == u' ')
        ++i;
    const qsizetype start = i;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        ++i;
    bool punkt = false;
    while (i < text.size() && (istZiffer(text[i]) || (text[i] == u'.' && !punkt))) {
        punkt = punkt || text[i] == u'.';
        ++i;
    }
    const QString zahl = text.mid(start, i - start);
    const bool ziffern = std::any_of(zahl.cbegin(), zahl.cend(), istZiffer);
    bool ok; // set by toDouble
    double wert = std::nearbyint(zahl.toDouble(&ok));
    if (!ziffern)
        return 0;
    // Digits that do not convert are too many for a double; both ends saturate.
    if (!ok)
        wert = zahl.startsWith(u'-') ? -HUGE_VAL : HUGE_VAL;
    if (wert >= double(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    if (wert <= double(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    return static_cast<int>(wert);
}

} // namespace zafku
