#pragma once

#include "Bericht.h"

#include <QDateTime>
#include <QString>

namespace zafku::bericht {

// One self-contained page: styles and charts inline, no scripts, nothing loaded from
// elsewhere; printable with one page per child.
QString berichtHtml(const Bericht& bericht, const QDateTime& erstellt);

// "1 Kind", "3 Kinder".
QString kinderAnzahl(qsizetype n);

// A bar chart in SVG of right and wrong answers per category.
QString balkenSvg(const QList<Bereich>& bereiche);

} // namespace zafku::bericht
