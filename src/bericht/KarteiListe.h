#pragma once

#include "kartei/KarteiSpeicher.h"

#include <QMap>
#include <QString>

namespace zafku::bericht {

class Lehrmaterial;

// One tab-separated line per word in a child's box: file name, RefNr, word, box (1 to 5
// or "gelernt"), due date (empty when learned); by file, then word. Words the spelling
// database no longer knows are left out.
QString karteiListe(const QMap<QString, kartei::KindKartei>& karteien, Lehrmaterial& material);

} // namespace zafku::bericht
