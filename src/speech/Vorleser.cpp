#include "Vorleser.h"

#include "platform/Sprachausgabe.h"

#include <QSettings>

namespace zafku {

Vorleser::Vorleser(Sprachausgabe* sprache) : sprache_(sprache) {
    spaeter_.setSingleShot(true);
    QObject::connect(&spaeter_, &QTimer::timeout, [this] { liesAufgabe(); });
}

void Vorleser::neueAufgabe(const QString& wort, const QString& satz, const QString& aussprache) {
    // The reviewed pronunciation wherever the word is spoken, also inside the sentence.
    wort_ = aussprache.isEmpty() ? wort : aussprache;
    // As shown: the word in place of the first "@"; a sentence without one stays as it is.
    const qsizetype at = satz.indexOf(u'@');
    satz_ = at < 0 ? satz.trimmed() : (satz.left(at) + wort_ + satz.mid(at + 1)).trimmed();
}

void Vorleser::liesNeueAufgabe(int nachMs) {
    if (automatisch)
        spaeter_.start(nachMs);
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
    spaeter_.stop();
    if (sprache_)
        sprache_->verstumme();
}

void Vorleser::sprich(const QStringList& texte) {
    spaeter_.stop();
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
