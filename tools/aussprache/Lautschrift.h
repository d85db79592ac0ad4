#pragma once

#include <QString>

namespace zafku::aussprache {

// The German voice of espeak-ng, asked for phonemes only (no sound). One per process:
// the engine keeps global state and is not safe to call from several threads.
class Lautschrift {
  public:
    // nullptr when espeak-ng or its German voice cannot be loaded.
    static Lautschrift* deutsch();

    // espeak-ng's phoneme mnemonics ("b'i:n@") of a word; phoneme input in [[ ]] (as
    // the word files give it) comes back as it stands.
    QString phoneme(const QString& text) const;

  private:
    Lautschrift() = default;
};

} // namespace zafku::aussprache
