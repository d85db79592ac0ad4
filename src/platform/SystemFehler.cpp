#include "SystemFehler.h"

#include <cerrno>

namespace zafku {

QString systemFehlerText(int fehlerNummer) {
    switch (fehlerNummer) {
    case ENOSPC:
    case EDQUOT:
        return QStringLiteral("Der Datenträger ist voll.");
    case EROFS:
        return QStringLiteral("Der Datenträger ist schreibgeschützt.");
    case EACCES:
    case EPERM:
        return QStringLiteral("Zafku fehlt das Recht dazu.");
    case ENOENT:
    case ENOTDIR:
        return QStringLiteral("Die Datei oder ihr Ordner fehlt.");
    case EISDIR:
        return QStringLiteral("An ihrer Stelle steht ein Ordner.");
    case EFBIG:
        return QStringLiteral("Die Datei wird zu groß.");
    case ELOOP:
    case ENAMETOOLONG:
        return QStringLiteral("Der Pfad ist zu lang oder verweist im Kreis.");
    case EIO:
    case ENXIO:
    case ESTALE:
        return QStringLiteral("Der Datenträger ist nicht erreichbar.");
    case EMFILE:
    case ENFILE:
    case ENOMEM:
        return QStringLiteral("Dem Rechner fehlen gerade die Mittel dazu.");
    default:
        return QStringLiteral("Systemfehler Nr. %1.").arg(fehlerNummer);
    }
}

QString startFehlerText(QProcess::ProcessError fehler) {
    switch (fehler) {
    case QProcess::FailedToStart:
        return QStringLiteral("Die Datei lässt sich nicht als Programm ausführen; sie ist wohl "
                              "beschädigt oder gehört zu einem anderen Rechner.");
    case QProcess::Timedout:
        return QStringLiteral("Das Programm meldet sich nicht.");
    case QProcess::Crashed:
        return QStringLiteral("Das Programm ist gleich beim Start abgestürzt.");
    default:
        return QStringLiteral("Das Betriebssystem verweigert den Start.");
    }
}

} // namespace zafku
