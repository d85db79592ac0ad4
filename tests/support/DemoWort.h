#pragma once

#include "platform/SqliteDatabase.h"

// The number of a word in the demo host's database; -1 when it has none.
inline int refNr(const QString& wort) {
    const zafku::SqliteDatabase db(QStringLiteral(ZAFKU_HOST_DIR "/Vokra-D.mdb"));
    auto s = db.prepare("SELECT RefNr FROM WortListe WHERE Wort = ?1");
    s.bind(1, wort);
    return s.step() ? int(s.int64(0)) : -1;
}
