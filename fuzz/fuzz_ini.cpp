// The rewrite of Vokra.ini over any bytes: every line outside [Zafku] comes back byte for
// byte, each ended by CR LF, and rewriting the result again changes nothing.
#include "FuzzHilfe.h"

#include "glob/SitzungsDaten.h"
#include "platform/Windows1252.h"
#include "settings/ZafkuIni.h"

#include <QList>

#include <algorithm>

using namespace zafku;

namespace {

QList<QByteArray> zeilenVon(const QByteArray& b) {
    QList<QByteArray> zeilen;
    QByteArray zeile;
    for (qsizetype i = 0; i < b.size(); ++i) {
        if (b[i] == '\r' || b[i] == '\n') {
            zeilen.append(zeile);
            zeile.clear();
            if (b[i] == '\r' && i + 1 < b.size() && b[i + 1] == '\n')
                ++i;
        } else {
            zeile += b[i];
        }
    }
    if (!zeile.isEmpty())
        zeilen.append(zeile);
    return zeilen;
}

QByteArray mitCrLf(const QList<QByteArray>& zeilen) {
    QByteArray b;
    for (const QByteArray& z : zeilen)
        b += z + "\r\n";
    return b;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1)
        return 0;
    SitzungsDaten daten;
    daten.einstAnzahl = data[0] % 6;
    daten.einstSchluessel = {QStringLiteral("gegenComp"), QStringLiteral("SpSt"),
                             QStringLiteral("TonEin"), QStringLiteral("RateZeit"),
                             QStringLiteral("EinstSave")};
    daten.gegenComputer = data[0] & 0x10 ? -1 : 0;
    daten.compSpielStaerke = data[0] >> 7;
    daten.tonEin = data[0] & 0x20 ? -1 : 0;
    const QByteArray alt(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    const QByteArray neu = vokraIniMitEinstellungen(alt, daten);

    const QList<QByteArray> vorher = zeilenVon(alt);
    qsizetype kopf = 0;
    while (kopf < vorher.size() &&
           decodeWindows1252(vorher[kopf]).trimmed() != QLatin1String("[Zafku]"))
        ++kopf;
    // Lines up to the section heading, and from the next heading on.
    PRUEFE(neu.startsWith(mitCrLf(vorher.mid(0, qMin(kopf + 1, vorher.size())))),
           "lines before [Zafku] kept");
    qsizetype naechster = kopf + 1;
    while (naechster < vorher.size() && !vorher[naechster].startsWith('['))
        ++naechster;
    if (naechster < vorher.size())
        PRUEFE(neu.endsWith(mitCrLf(vorher.mid(naechster))), "lines after [Zafku] kept");
    PRUEFE(neu.endsWith("\r\n") && !neu.contains("\r\r\n"), "every line ends with CR LF");
    const QList<QByteArray> nachher = zeilenVon(neu);
    for (int k = 0; k < daten.einstAnzahl; ++k) {
        const QByteArray schluessel = encodeWindows1252(daten.einstSchluessel[k] + u'=');
        PRUEFE(std::any_of(nachher.begin(), nachher.end(),
                           [&](const QByteArray& z) { return z.startsWith(schluessel); }),
               "each setting written");
    }
    PRUEFE(vokraIniMitEinstellungen(neu, daten) == neu, "a second rewrite changes nothing");
    return 0;
}
