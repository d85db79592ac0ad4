#include "KlassenWahl.h"

#include <QSet>

namespace zafku::starter {

namespace {

// Longer names do not fit the game's name fields.
constexpr int kMaxName = 40;

QString pruefeName(const QString& name, const QSet<QString>& bisher) {
    if (name.contains(u';'))
        return QStringLiteral("Der Name „%1“ enthält ein Semikolon (;). Bitte lass das Zeichen "
                              "weg.")
            .arg(name);
    if (name.size() > kMaxName)
        return QStringLiteral("Der Name „%1“ ist zu lang: höchstens %2 Zeichen.")
            .arg(name)
            .arg(kMaxName);
    if (bisher.contains(name.toLower()))
        return QStringLiteral("„%1“ steht zweimal in der Liste. Bitte unterscheide die Kinder, "
                              "z. B. mit dem ersten Buchstaben des Nachnamens.")
            .arg(name);
    return {};
}

} // namespace

KlassenEingabe uebernimmKlasse(const QList<bericht::KlassenKind>& zeilen) {
    KlassenEingabe ein;
    QSet<QString> namen;
    QStringList dateien;
    for (const bericht::KlassenKind& z : zeilen) {
        const QString name = z.name.simplified();
        if (name.isEmpty())
            continue;
        if (const QString fehler = pruefeName(name, namen); !fehler.isEmpty())
            return {{}, fehler};
        namen.insert(name.toLower());
        ein.kinder.append({name, z.datei});
        if (!z.datei.isEmpty())
            dateien.append(z.datei);
    }
    // Fixed files are taken first, so a new child never gets the file of one who stays.
    for (bericht::KlassenKind& k : ein.kinder) {
        if (!k.datei.isEmpty())
            continue;
        k.datei = eindeutig(dateiNameAus(k.name), dateien);
        dateien.append(k.datei);
    }
    return ein;
}

QString pruefeWahl(const QString& code, const QList<Spieler>& spieler, bool mitKlasse) {
    if (mitKlasse && spieler.isEmpty() && !code.isEmpty())
        return QStringLiteral("Bitte klickt zuerst auf eure Namen: ein bis %1 Kinder.")
            .arg(maxSpieler);
    return pruefeWahl(code, spieler);
}

bool NamenWahl::tippe(int kind) {
    if (kind < 0 || kind >= klasse_.size())
        return false;
    if (reihe_.removeOne(kind))
        return true;
    if (reihe_.size() >= maxSpieler)
        return false;
    reihe_.append(kind);
    return true;
}

QList<Spieler> NamenWahl::spieler() const {
    QList<Spieler> liste;
    for (const int i : reihe_)
        liste.append({klasse_[i].name, klasse_[i].datei});
    return liste;
}

} // namespace zafku::starter
