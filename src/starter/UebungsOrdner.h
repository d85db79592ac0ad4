#pragma once

#include "Uebung.h"

#include <QTemporaryDir>

#include <memory>

namespace zafku::starter {

// A host folder of its own for one practice game, so that no shared host file is ever
// rewritten and machines starting at once never meet: the game (hard-linked, else
// copied), its own Vokra.kmp with the one practice exercise, Vokra.tsp naming it, and a
// copy of Vokra-D.mdb whose marked spots of the practised words are the practised ones;
// everything else, User/ with the protocol files included, links to the shared folder.
// Removed when destroyed.
class UebungsOrdner {
  public:
    // nullptr with a German text in *fehler when the folder cannot be made.
    static std::unique_ptr<UebungsOrdner> lege(const QString& appPfad, const Uebung& uebung,
                                               QString* fehler);
    QString pfad() const { return dir_.path(); }

  private:
    UebungsOrdner() = default;
    QTemporaryDir dir_{QDir::temp().filePath(QStringLiteral("zafku-ueben-XXXXXX"))};
};

} // namespace zafku::starter
