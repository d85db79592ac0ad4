#pragma once

namespace zafku {

struct SitzungsDaten;

// Reads the game's settings from [Zafku] of Vokra.ini into daten (keys from
// einstSchluessel); a missing section leaves them as they are.
void loadVokraIni(SitzungsDaten& daten);

} // namespace zafku
