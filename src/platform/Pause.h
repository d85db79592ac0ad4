#pragma once

namespace zafku {

// Lets about millisekunden pass while timers, painting and sound go on; key and mouse
// input waits until afterwards.
void pauseOhneEingabe(int millisekunden);

} // namespace zafku
