#include "Material.h"

#include <QFile>

namespace zafku::wortcheck {

std::optional<QString> leseUtf8(const QString& pfad) {
    QFile f(pfad);
    if (!f.open(QIODevice::ReadOnly))
        return std::nullopt;
    return QString::fromUtf8(f.readAll());
}

namespace {

// The lines of a review file, each "field | … | reason" with exactly `felder` fields and a
// reason that is not empty; comment lines start with "#".
template <typename Nimm>
void leseGepruefteZeilen(const QString& pfad, int felder, const QString& form,
                         QList<QuellFehler>& fehler, Nimm nimm) {
    const QStringList zeilen = leseUtf8(pfad).value_or(QString()).split(u'\n');
    for (int i = 0; i < zeilen.size(); ++i) {
        const QString z = zeilen[i].trimmed();
        if (z.isEmpty() || z.startsWith(u'#'))
            continue;
        const QStringList f = z.split(u'|');
        if (f.size() != felder || f.last().trimmed().isEmpty())
            fehler.append({pfad, i + 1, QStringLiteral("nicht \"%1\"").arg(form)});
        else
            nimm(f, i + 1);
    }
}

} // namespace

Paare leseErlaubtePaare(const QString& pfad, QList<QuellFehler>& fehler) {
    Paare paare;
    leseGepruefteZeilen(pfad, 3, QStringLiteral("richtig | falsch | Begründung"), fehler,
                        [&](const QStringList& f, int) {
                            paare.insert({f[0].trimmed(), f[1].trimmed()});
                        });
    return paare;
}

QHash<QString, int> leseGeprueft(const QString& pfad, QList<QuellFehler>& fehler) {
    QHash<QString, int> befunde;
    leseGepruefteZeilen(
        pfad, 2, QStringLiteral("Schlüssel | Begründung"), fehler,
        [&](const QStringList& f, int zeile) { befunde.insert(f[0].trimmed(), zeile); });
    return befunde;
}

const Uebung* uebungFuer(const Material& m, const QString& code) {
    for (const Uebung& u : m.uebungen)
        if (u.kategorie.kmpKennung.startsWith(code))
            return &u;
    return nullptr;
}

} // namespace zafku::wortcheck
