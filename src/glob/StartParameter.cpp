#include "StartParameter.h"

#include "GlobModul.h"
#include "SitzungsDaten.h"
#include "platform/FieldReader.h"

#include <QStringList>

#include <algorithm>

namespace zafku {

namespace {

constexpr int kMaxSpieler = 4;

// Cuts the next ";"-ended item off rest; false when there is no ";".
bool naechstesItem(QString& rest, QString& item) {
    const qsizetype p = rest.indexOf(u';');
    if (p < 0)
        return false;
    item = rest.left(p);
    rest = rest.mid(p + 1);
    return true;
}

bool sichererDateiName(const QString& name) {
    // A control character (a NUL above all) would cut or garble the name on disk.
    const bool steuerzeichen =
        std::any_of(name.cbegin(), name.cend(), [](QChar c) { return c.unicode() < 0x20; });
    return !name.isEmpty() && !name.startsWith(u'.') && !name.contains(u'/') &&
           !name.contains(u'\\') && !name.contains(QLatin1String("..")) && !steuerzeichen;
}

} // namespace

QString wertNachGleich(const QString& item) {
    const qsizetype p = item.indexOf(u'=');
    return p < 0 ? QString() : item.mid(p + 1);
}

bool leseStartParameter(const QString& kommandozeile, SitzungsDaten& daten,
                        SpielerAnzeige* anzeige) {
    QString rest = kommandozeile.mid(1, kommandozeile.size() - 2);
    QString item;
    bool spielerFolgen = false;
    // Any other item (Class=, LupenFlag=, GwsFlag= …) is the host's own and passes unread.
    while (!spielerFolgen && naechstesItem(rest, item)) {
        const QString wert = trimBlanks(wertNachGleich(item));
        if (item.startsWith(QLatin1String("Version="))) {
            if (wert != QLatin1String("4"))
                return false;
        } else if (item.startsWith(QLatin1String("VeskFeldName="))) {
            daten.feldName = wert;
        } else if (item.startsWith(QLatin1String("nSpieler="))) {
            daten.nSpieler = zahlWert(wert);
            spielerFolgen = true;
        }
        if (rest.isEmpty())
            break;
    }
    if (daten.nSpieler < 0 || daten.nSpieler > kMaxSpieler)
        return false;
    for (int i = 0; i < daten.nSpieler; ++i) {
        if (!naechstesItem(rest, daten.spielerName[i]))
            return false;
        daten.punkte[i][0] = 0;
        if (anzeige)
            anzeige->spielerGelesen(i, daten.spielerName[i]);
    }
    for (int i = 0; i < daten.nSpieler; ++i) {
        if (!naechstesItem(rest, daten.spielerDatei[i]) ||
            !sichererDateiName(daten.spielerDatei[i]))
            return false;
    }
    return true;
}

} // namespace zafku
