#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace zafku::bericht {

// One child of the class the teacher entered: the protocol file base name is given once
// and stays, so that a corrected name keeps the child's answers together.
struct KlassenKind {
    QString name;
    QString datei;
    friend bool operator==(const KlassenKind&, const KlassenKind&) = default;
};

struct Klassenliste {
    QList<KlassenKind> kinder;
    // Lines that could not be read, as German sentences; they are not lost until saved over.
    QStringList fehler;
};

// User/Klasse.txt, UTF-8: one child a line as "datei<TAB>name"; "#" starts a comment.
Klassenliste leseKlassenliste(const QByteArray& text);
QByteArray klassenlistenText(const QList<KlassenKind>& kinder);

// The host folder's class list; empty (without a message) when there is none.
Klassenliste ladeKlassenliste(const QString& appPfad);
// Writes the list in one piece under the host folder's lock; "" or why it failed.
QString speichereKlassenliste(const QString& appPfad, const QList<KlassenKind>& kinder);

} // namespace zafku::bericht
