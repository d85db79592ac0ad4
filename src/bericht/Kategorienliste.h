#pragma once

#include <QList>
#include <QString>

namespace zafku::bericht {

// One record of Vokra.tsp: a category, or a group heading (code starts with ">>>").
struct TspEintrag {
    QString titel;
    QString code;
    bool ueberschrift = false;
    // 1-based place among the categories; 0 for a heading.
    int katNr = 0;
};

// Code of the heading of the teacher's words of the week.
inline constexpr auto kWochenGruppe = ">>>W";

// The records of Vokra.tsp's text, read with the host's field reader, in file order except
// that the group of the words of the week stands first: it is what the class plays this
// week. Places (katNr) stay those of the file.
QList<TspEintrag> leseTspText(const QString& text);

// Vokra.tsp of the host folder; raises LaufzeitFehler when it cannot be read.
QList<TspEintrag> leseTsp(const QString& appPfad);

} // namespace zafku::bericht
