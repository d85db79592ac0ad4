#include "EigeneDatei.h"

#include "platform/HostTextFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QStringDecoder>

namespace zafku::eigene {

namespace {

const QString zaehlerKopf = QStringLiteral("# nächste Nummer:");

QList<material::Marke> leseMarken(const QString& feld) {
    QList<material::Marke> marken;
    // Any white space parts two marks: a tab or other control space must not become part
    // of a code that the next reading would trim away.
    for (const QString& teil : feld.simplified().split(u' ', Qt::SkipEmptyParts)) {
        const qsizetype c = teil.lastIndexOf(u':');
        bool ok = false;
        const int pos = c > 0 ? teil.mid(c + 1).toInt(&ok) : 0;
        if (ok && pos >= 1)
            marken.append({teil.left(c), pos});
    }
    return marken;
}

} // namespace

std::optional<QString> wortDateiText(const QByteArray& bytes, const QString& pfad,
                                     QString& fehler) {
    const auto falsch = [&](const QString& was) {
        fehler = QStringLiteral("%1 ist %2 gespeichert. Bitte als UTF-8 speichern.").arg(pfad, was);
        return std::nullopt;
    };
    if (bytes.startsWith("\xff\xfe") || bytes.startsWith("\xfe\xff") ||
        (bytes.size() > 1 && (bytes[0] == 0) != (bytes[1] == 0)))
        return falsch(QStringLiteral("als UTF-16"));
    if (bytes.contains('\0'))
        return falsch(QStringLiteral("nicht als Text, sondern mit Binärdaten,"));
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(bytes);
    if (utf8.hasError())
        return falsch(QStringLiteral("in Windows-1252 (ANSI)"));
    if (text.startsWith(QChar(0xfeff)))
        text.remove(0, 1);
    return text;
}

std::optional<QString> leseWortDatei(const QString& pfad, QString& fehler) {
    HostTextError grund = HostTextError::None;
    bool zuGross = false;
    const auto bytes = readRegularFile(QFile::encodeName(pfad), maxWortDatei, &grund, &zuGross);
    if (bytes && zuGross)
        fehler = QStringLiteral("%1 ist größer als %2 KB; so viele Wörter nimmt das Spiel nicht.")
                     .arg(pfad)
                     .arg(maxWortDatei >> 10);
    else if (grund == HostTextError::NotAFile)
        fehler = QStringLiteral("%1 ist keine gewöhnliche Datei.").arg(pfad);
    else if (!bytes)
        fehler = QStringLiteral("%1 kann nicht gelesen werden.").arg(pfad);
    if (!bytes || zuGross)
        return std::nullopt;
    return wortDateiText(*bytes, pfad, fehler);
}

QString eigeneDateiPfad(const QString& hostDir) {
    return QDir(hostDir).filePath(QStringLiteral("Eigene-Woerter.txt"));
}

EigeneListe leseEigeneListe(const QString& text) {
    EigeneListe liste;
    const QStringList zeilen = splitHostLines(text);
    for (int i = 0; i < zeilen.size(); ++i) {
        const QString zeile = zeilen[i].trimmed();
        if (zeile.startsWith(zaehlerKopf)) {
            liste.naechsteNummer =
                std::max(liste.naechsteNummer, zeile.mid(zaehlerKopf.size()).toInt());
            continue;
        }
        if (zeile.isEmpty() || zeile.startsWith(u'#'))
            continue;
        QStringList f = zeile.split(u'|');
        if (f.size() != 5)
            continue;
        for (QString& feld : f)
            feld = feld.trimmed();
        EigenesWort w;
        w.entfernt = f[0].startsWith(u'-');
        bool ok = false;
        w.refNr = f[0].mid(w.entfernt ? 1 : 0).toInt(&ok);
        if (!ok || w.refNr < ersteNummer || w.refNr > letzteNummer || f[1].isEmpty())
            continue;
        w.wort = f[1];
        w.kontext = f[2];
        w.satz = f[3];
        w.marken = leseMarken(f[4]);
        w.zeile = i + 1;
        liste.woerter.append(w);
        // A hand-edited counter must never hand out a number twice.
        liste.naechsteNummer = std::max(liste.naechsteNummer, w.refNr + 1);
    }
    return liste;
}

QString eigeneListeText(const EigeneListe& liste) {
    QString text = QStringLiteral(
        "# Eigene Wörter der Klasse, eine Zeile je Wort:\n"
        "# Nummer | Wort | Artikel oder Wortart | Satz | Stellen (Kategorie:Position)\n"
        "# Ein \"-\" vor der Nummer: das Wort wird nicht mehr geübt, die Nummer bleibt.\n");
    text += QStringLiteral("%1 %2\n").arg(zaehlerKopf).arg(liste.naechsteNummer);
    for (const EigenesWort& w : liste.woerter) {
        QStringList marken;
        for (const material::Marke& m : w.marken)
            marken.append(m.code + u':' + QString::number(m.vonPos));
        text += QStringLiteral("%1%2 | %3 | %4 | %5 | %6\n")
                    .arg(w.entfernt ? QStringLiteral("-") : QString())
                    .arg(w.refNr)
                    .arg(w.wort, w.kontext, w.satz, marken.join(u' '));
    }
    return text;
}

EigeneListe ladeEigeneListe(const QString& hostDir, QString* fehler) {
    const QString pfad = eigeneDateiPfad(hostDir);
    if (!QFileInfo::exists(pfad) && !QFileInfo(pfad).isSymLink())
        return {};
    QString grund;
    const auto text = leseWortDatei(pfad, grund);
    if (fehler)
        *fehler = grund;
    return text ? leseEigeneListe(*text) : EigeneListe{};
}

QList<Eingabe> leseEingabe(const QString& text) {
    QList<Eingabe> eingaben;
    const QStringList zeilen = splitHostLines(text);
    for (int i = 0; i < zeilen.size(); ++i) {
        const QString zeile = zeilen[i].trimmed();
        if (zeile.isEmpty() || zeile.startsWith(u'#'))
            continue;
        QStringList f;
        if (zeile.contains(u'|') || zeile.contains(u'\t')) {
            f = zeile.split(QRegularExpression(QStringLiteral("[|\t]")));
        } else {
            const qsizetype a = zeile.indexOf(u',');
            const qsizetype b = a < 0 ? -1 : zeile.indexOf(u',', a + 1);
            f = {zeile.left(a < 0 ? zeile.size() : a)};
            if (a >= 0)
                f.append(zeile.mid(a + 1, b < 0 ? -1 : b - a - 1));
            if (b >= 0)
                f.append(zeile.mid(b + 1));
        }
        f.resize(3);
        eingaben.append({f[0].trimmed(), f[1].trimmed(), f[2].trimmed(), i + 1});
    }
    return eingaben;
}

std::optional<QString> uebernimm(EigeneListe& liste, const QList<EigenesWort>& neu) {
    QList<EigenesWort> alt = liste.woerter;
    QHash<QString, qsizetype> altStelle;
    for (qsizetype i = alt.size() - 1; i >= 0; --i)
        altStelle.insert(alt[i].wort, i);
    QList<bool> genommen(alt.size(), false);
    QList<EigenesWort> ergebnis;
    int naechste = liste.naechsteNummer;
    for (EigenesWort w : neu) {
        const auto it = altStelle.find(w.wort);
        if (it != altStelle.end()) {
            w.refNr = alt[*it].refNr;
            genommen[*it] = true;
            altStelle.erase(it);
        } else if (naechste > letzteNummer) {
            return QStringLiteral("Es sind schon %1 eigene Wörter vergeben; mehr Nummern hat "
                                  "die Datenbank nicht.")
                .arg(letzteNummer - ersteNummer + 1);
        } else {
            w.refNr = naechste++;
        }
        w.entfernt = false;
        ergebnis.append(w);
    }
    for (qsizetype i = 0; i < alt.size(); ++i) {
        if (genommen[i])
            continue;
        alt[i].entfernt = true;
        ergebnis.append(alt[i]);
    }
    std::sort(ergebnis.begin(), ergebnis.end(),
              [](const EigenesWort& a, const EigenesWort& b) { return a.refNr < b.refNr; });
    liste.woerter = ergebnis;
    liste.naechsteNummer = naechste;
    return std::nullopt;
}

} // namespace zafku::eigene
