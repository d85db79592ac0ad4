#include "KarteiListe.h"

#include "Lehrmaterial.h"

#include <QCollator>

#include <algorithm>

namespace zafku::bericht {

QString karteiListe(const QMap<QString, kartei::KindKartei>& karteien, Lehrmaterial& material) {
    QCollator deutsch{QLocale(QLocale::German, QLocale::Germany)};
    deutsch.setCaseSensitivity(Qt::CaseInsensitive);
    QStringList dateien = karteien.keys();
    std::sort(dateien.begin(), dateien.end(), deutsch);
    QString text;
    for (const QString& datei : dateien) {
        QList<std::pair<QString, kartei::Karte>> woerter;
        for (const kartei::Karte& k : karteien[datei].karten)
            if (const Wort* w = material.wort(k.refNr))
                woerter.append({w->wort, k});
        std::stable_sort(woerter.begin(), woerter.end(),
                         [&](const auto& a, const auto& b) { return deutsch(a.first, b.first); });
        for (const auto& [wort, k] : woerter)
            text += QStringList{datei, QString::number(k.refNr), wort,
                                k.fach == kartei::kGelernt ? QStringLiteral("gelernt")
                                                           : QString::number(k.fach),
                                k.faellig.toString(Qt::ISODate)}
                        .join(u'\t') +
                    u'\n';
    }
    return text;
}

} // namespace zafku::bericht
