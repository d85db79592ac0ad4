#include "BerichtNamen.h"

#include "Klassenliste.h"

#include <QSettings>

namespace zafku::bericht {

namespace {

const QString kGruppe = QStringLiteral("Protokolldateien");

} // namespace

QHash<QString, QString> gespeicherteNamen() {
    QSettings s(QStringLiteral("Zafku"), QStringLiteral("zafku-start"));
    s.beginGroup(kGruppe);
    QHash<QString, QString> namen;
    for (const QString& datei : s.childKeys())
        namen.insert(datei, s.value(datei).toString());
    return namen;
}

void merkeName(const QString& datei, const QString& name) {
    QSettings s(QStringLiteral("Zafku"), QStringLiteral("zafku-start"));
    s.beginGroup(kGruppe);
    s.setValue(datei, name);
}

QHash<QString, QString> namenDerKinder(const QString& appPfad) {
    QHash<QString, QString> namen = gespeicherteNamen();
    for (const KlassenKind& k : ladeKlassenliste(appPfad).kinder)
        namen.insert(k.datei, k.name);
    return namen;
}

} // namespace zafku::bericht
