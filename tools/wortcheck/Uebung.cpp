#include "Uebung.h"

#include "platform/FieldReader.h"
#include "platform/HostTextFile.h"
#include "platform/LaufzeitFehler.h"
#include "rdb/KmpDatei.h"

#include <QDir>
#include <QFile>

namespace zafku::wortcheck {

QList<KmpZeile> leseKmpQuellen(const QString& dir, QList<material::QuellFehler>& fehler) {
    QList<KmpZeile> zeilen;
    const QDir kmp(dir);
    for (const QString& name : kmp.entryList({QStringLiteral("*.kmp")}, QDir::Files, QDir::Name)) {
        const QString pfad = kmp.filePath(name);
        QFile f(pfad);
        if (!f.open(QIODevice::ReadOnly)) {
            fehler.append({pfad, 0, QStringLiteral("Datei kann nicht gelesen werden")});
            continue;
        }
        const QStringList text = splitHostLines(QString::fromUtf8(f.readAll()));
        for (int i = 0; i < text.size(); ++i)
            zeilen.append({text[i], pfad, i + 1});
    }
    return zeilen;
}

QList<Uebung> leseUebungen(const QList<KmpZeile>& zeilen, QList<material::QuellFehler>& fehler) {
    QList<Uebung> uebungen;
    for (const KmpZeile& z : zeilen) {
        const auto melde = [&](const QString& text) { fehler.append({z.datei, z.zeile, text}); };
        FieldReader leser(z.text);
        QStringList f;
        while (!leser.atEnd())
            f.append(leser.next());
        if (f.size() != 7) {
            melde(QStringLiteral("%1 Felder statt 7").arg(f.size()));
            continue;
        }
        Uebung u{{}, z.datei, z.zeile};
        try {
            u.kategorie = leseKmpText(z.text, QString(), z.datei);
        } catch (const LaufzeitFehler& e) {
            melde(e.text());
            continue;
        }
        if (u.kategorie.schreibPaare.isEmpty())
            melde(QStringLiteral("keine Schreibpaare"));
        // An empty spelling matches every word at every spot.
        for (const SchreibPaar& p : u.kategorie.schreibPaare)
            if (p.schreibung1.isEmpty() || p.schreibung2.isEmpty())
                melde(QStringLiteral("leere Schreibung in \"%1\"").arg(f[5]));
        uebungen.append(u);
    }
    return uebungen;
}

} // namespace zafku::wortcheck
