#include "WortDatei.h"

#include <QDir>
#include <QFile>

namespace zafku::material {

QString QuellFehler::toString() const {
    return QStringLiteral("%1:%2: %3").arg(datei).arg(zeile).arg(text);
}

namespace {

bool parseMarken(const QString& feld, QList<Marke>& marken, QString& fehler) {
    const QStringList teile = feld.split(u' ', Qt::SkipEmptyParts);
    for (const QString& teil : teile) {
        const qsizetype c = teil.lastIndexOf(u':');
        bool ok = false;
        const int pos = c > 0 ? teil.mid(c + 1).toInt(&ok) : 0;
        if (!ok || pos < 1) {
            fehler = QStringLiteral("Marke \"%1\" ist nicht CODE:Position").arg(teil);
            return false;
        }
        marken.append({teil.left(c), pos});
    }
    return true;
}

} // namespace

QList<WortEintrag> parseWortDatei(const QString& text, const QString& datei,
                                  QList<QuellFehler>& fehler) {
    QList<WortEintrag> eintraege;
    const QStringList zeilen = text.split(u'\n');
    for (int i = 0; i < zeilen.size(); ++i) {
        const QString zeile = zeilen[i].trimmed();
        if (zeile.isEmpty() || zeile.startsWith(u'#'))
            continue;
        const int nr = i + 1;
        QStringList felder = zeile.split(u'|');
        // The sixth field, the pronunciation, is optional.
        if (felder.size() != 5 && felder.size() != 6) {
            fehler.append({datei, nr, QStringLiteral("%1 Felder statt 5").arg(felder.size())});
            continue;
        }
        for (QString& f : felder)
            f = f.trimmed();
        WortEintrag e{felder[0], felder[1], 0, felder[3], {}, felder.value(5), datei, nr};
        bool ok = false;
        e.komplexInd = felder[2].toInt(&ok);
        if (e.wort.isEmpty())
            fehler.append({datei, nr, QStringLiteral("leeres Wort")});
        else if (!e.aussprache.isEmpty() && (!e.aussprache.startsWith(QLatin1String("[[")) ||
                                             !e.aussprache.endsWith(QLatin1String("]]"))))
            fehler.append(
                {datei, nr,
                 QStringLiteral("Aussprache \"%1\" steht nicht in [[ ]]").arg(e.aussprache)});
        else if (!ok || e.komplexInd < 1 || e.komplexInd > 5)
            fehler.append(
                {datei, nr,
                 QStringLiteral("Schwierigkeit \"%1\" ist nicht 1 bis 5").arg(felder[2])});
        else {
            QString markenFehler;
            if (!parseMarken(felder[4], e.marken, markenFehler))
                fehler.append({datei, nr, markenFehler});
            else
                eintraege.append(e);
        }
    }
    return eintraege;
}

QList<WortEintrag> leseWortDateien(const QString& dir, QList<QuellFehler>& fehler) {
    QList<WortEintrag> alle;
    const QDir d(dir);
    const QStringList namen = d.entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name);
    for (const QString& name : namen) {
        if (name == QLatin1String("erlaubte_paare.txt") ||
            name == QLatin1String("gepruefte_befunde.txt"))
            continue;
        QFile file(d.filePath(name));
        if (!file.open(QIODevice::ReadOnly)) {
            fehler.append({name, 0, QStringLiteral("Datei kann nicht gelesen werden")});
            continue;
        }
        alle += parseWortDatei(QString::fromUtf8(file.readAll()), d.filePath(name), fehler);
    }
    return alle;
}

} // namespace zafku::material
