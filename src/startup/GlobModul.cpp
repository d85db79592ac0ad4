#include "GlobModul.h"

#include "SitzungsDaten.h"

#include <cmath>

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

QString bausteinBildName(const QString& code) {
    const auto zeichen = [&](int n) { return n <= code.size() ? code[n - 1] : QChar(); };
    QString s;
    if (zeichen(3).isDigit())
        s = code.left(2) + (zeichen(4).isDigit() ? QStringLiteral("_") : QString(zeichen(4)));
    else if (code.left(2) == QLatin1String("LT"))
        s = QStringLiteral("LT_");
    else
        s = code.left(3);
    return QStringLiteral("BST_") + s + QStringLiteral(".GIF");
}

int zahlWert(const QString& text) {
    qsizetype i = 0;
    while (i < text.size() && (text[i] == u' ' || text[i] == u'\t'))
        ++i;
    const qsizetype start = i;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        ++i;
    bool punkt = false;
    while (i < text.size() && (text[i].isDigit() || (text[i] == u'.' && !punkt))) {
        punkt = punkt || text[i] == u'.';
        ++i;
    }
    bool ok = false;
    const double wert = text.mid(start, i - start).toDouble(&ok);
    if (!ok)
        return 0;
    return static_cast<int>(std::nearbyint(wert));
}

} // namespace zafku
