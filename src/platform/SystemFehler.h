#pragma once

#include <QProcess>
#include <QString>

namespace zafku {

// A failed system call (errno) said in words a teacher understands, in German; the
// system's own texts are English.
QString systemFehlerText(int fehlerNummer);

// Why a program did not start; QProcess says it in English and keeps the errno to itself.
QString startFehlerText(QProcess::ProcessError fehler);

} // namespace zafku
