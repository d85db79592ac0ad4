#pragma once

#include "Uebung.h"

#include <QTemporaryDir>

#include <memory>

namespace zafku::starter {

// A host folder of its own for one practice game, so that no shared host file is ever
// rewritten and machines starting at once never meet: the game (hard-linked, else
// copied), its own Vokra.kmp with the one practice exercise, Vokra.tsp naming it, and a
// copy of Vokra-D.mdb whose marked spots of the practised words are the practised ones,
// and a User folder of its own (the game writes nothing through a link that leads out of
// its folder); everything else links to the shared folder. Removed when destroyed.
class UebungsOrdner {
  public:
    // nullptr with a German text in *fehler when the folder cannot be made.
    static std::unique_ptr<UebungsOrdner> lege(const QString& appPfad, const Uebung& uebung,
                                               QString* fehler);
    QString pfad() const { return dir_.path(); }
    // Appends the lines the game wrote into this folder's protocol file of `datei` to the
    // shared one in appPfad's User folder; false with a German text when that fails.
    bool uebernimmProtokoll(const QString& appPfad, const QString& datei, QString* fehler) const;
    // Offers the points the game entered into this folder's high-score list to the shared
    // one, by its rules; the settings the game stored stay here and go with the folder.
    // false with a German text when the shared list cannot take them.
    bool uebernimmMeisterliste(const QString& appPfad, QString* fehler) const;

  private:
    UebungsOrdner() = default;
    QTemporaryDir dir_{QDir::temp().filePath(QStringLiteral("zafku-ueben-XXXXXX"))};
};

} // namespace zafku::starter
