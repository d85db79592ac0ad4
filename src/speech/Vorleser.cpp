#include "Vorleser.h"

#include "platform/Sprachausgabe.h"

#include <QSettings>

namespace zafku {

void Vorleser::neueAufgabe(const QString& wort, const QString& satz) {
    wort_ = wort;
    // As shown: the word in place of the first "@"; a sentence without one stays as it is.
    const qsizetype at = satz.indexOf(u'@');
    satz_ = at < 0 ? satz.trimmed() : (satz.left(at) + wort + satz.mid(at + 1)).trimmed();
}

void Vorleser::liesNeueAufgabe() {
    if (automatisch)
        liesAufgabe();
}

void Vorleser::liesWort() {
    sprich({wort_});
}

void Vorleser::liesSatz() {
    // An empty sentence is shown as the word alone.
    sprich({satz_.isEmpty() ? wort_ : satz_});
}

void Vorleser::liesAufgabe() {
    sprich(satz_.isEmpty() ? QStringList{wort_} : QStringList{wort_, satz_});
}

void Vorleser::liesTipp() {
    sprich({tipp_});
}

void Vorleser::verstumme() {
    if (sprache_)
        sprache_->verstumme();
}

void Vorleser::sprich(const QStringList& texte) {
    if (!sprache_ || (stumm && stumm()) || texte.join(QString()).trimmed().isEmpty())
        return;
    sprache_->sprich(texte);
}

namespace {

QSettings einstellungen() {
    return QSettings(QStringLiteral("Zafku"), QStringLiteral("Zafku"));
}

const QString kSchluessel = QStringLiteral("Vorlesen/NeueAufgaben");

} // namespace

bool vorlesenGewaehlt() {
    return einstellungen().value(kSchluessel, false).toBool();
}

void merkeVorlesen(bool an) {
    einstellungen().setValue(kSchluessel, an);
}

} // namespace zafku
