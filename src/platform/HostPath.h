#pragma once

#include <QString>

namespace zafku {

// The host's file names ignore letter case: resolves each component of relative
// ("Sound/x.WAV", "VOKRA.INI") below dir to the entry on disk that matches it ignoring
// case. Components not found are kept as given, so the result can name a new file.
// Paths use '/'.
QString resolveHostPath(const QString& dir, const QString& relative);

} // namespace zafku
