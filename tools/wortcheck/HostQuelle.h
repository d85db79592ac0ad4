#pragma once

#include "Uebung.h"
#include "material/WortDatei.h"

#include <QList>
#include <QString>

#include <optional>

namespace zafku::wortcheck {

// A host folder as the checker reads it: either the reviewable sources (Vokra.tsp,
// kmp/, woerter/, hilfe/Vesk/) or the folder the build lays out (Windows-1252 texts,
// Vokra.kmp, Vokra-D.mdb, Vesk/).
struct HostQuelle {
    QString tspPfad;
    std::optional<QString> tspText;
    QList<KmpZeile> kmp;
    QList<material::WortEintrag> woerter;
    QString hilfeDir;
    // The reviewed pairs and findings; the built folder carries none of its own.
    QString befundeDir;
};

// befundeDir empty: the sources' woerter/ folder.
HostQuelle leseHost(const QString& hostDir, const QString& befundeDir,
                    QList<material::QuellFehler>& fehler);

} // namespace zafku::wortcheck
