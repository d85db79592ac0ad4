#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace zafku {

struct SchreibPaar {
    QString schreibung1, schreibung2;
    bool operator==(const SchreibPaar&) const = default;
};

// Absolute: the spot starts at character nummer; relative: nummer characters after the
// marker row's vonPos.
struct LupRegel {
    int nummer = 0;
    bool absolut = false;
    bool operator==(const LupRegel&) const = default;
};

// The exercise block loaded from Vokra.kmp and the sizes of its two task lists.
struct Kategorie {
    QString kmpKennung, kmpKriterium1, kmpKriterium2;
    QStringList kategorienListe;
    LupRegel lupRegel1, lupRegel2;
    QList<SchreibPaar> schreibPaare;
    QString kmpTitel;
    int anzahl1 = 0, anzahl2 = 0;
};

} // namespace zafku
