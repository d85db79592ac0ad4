#include "Uebung.h"

#include "platform/FieldReader.h"

#include <QRegularExpression>

#include <cmath>

namespace zafku::wortcheck {

namespace {

// The number at the beginning of a text, rounded half to even like the host's run time.
int zahlWert(const QString& text) {
    static const QRegularExpression zahl(QStringLiteral("^\\s*([+-]?\\d*\\.?\\d*)"));
    const QString treffer = zahl.match(text).captured(1);
    bool ok = false;
    const double wert = treffer.toDouble(&ok);
    return ok ? static_cast<int>(std::nearbyint(wert)) : 0;
}

LupRegel leseRegel(const QString& text) {
    if (text.startsWith(u'*'))
        return {true, zahlWert(text.mid(1))};
    return {false, zahlWert(text)};
}

} // namespace

QStringList listenEintraege(const QString& liste) {
    QStringList eintraege;
    for (const QString& teil : liste.split(u',')) {
        if (teil.isEmpty())
            break;
        eintraege.append(teil);
    }
    return eintraege;
}

bool parseLupRegeln(const QString& feld, LupRegel& regel1, LupRegel& regel2) {
    const qsizetype c = feld.indexOf(u':');
    if (c < 0)
        return false;
    regel1 = leseRegel(feld.left(c));
    regel2 = leseRegel(feld.mid(c + 1));
    return true;
}

QList<SchreibPaar> parseSchreibPaare(const QString& feld) {
    QList<SchreibPaar> paare;
    qsizetype p = 0;
    while (true) {
        const qsizetype c = feld.indexOf(u':', p);
        if (c < 0)
            break;
        qsizetype k = feld.indexOf(u',', c);
        if (k < 0)
            k = feld.size();
        paare.append({feld.mid(p, c - p), feld.mid(c + 1, k - c - 1)});
        p = k + 1;
    }
    return paare;
}

QList<Uebung> parseKmp(const QString& text, const QString& datei,
                       QList<material::QuellFehler>& fehler) {
    QList<Uebung> uebungen;
    QStringList zeilen = text.split(u'\n');
    if (!zeilen.isEmpty() && zeilen.last().isEmpty())
        zeilen.removeLast();
    for (int i = 0; i < zeilen.size(); ++i) {
        const int nr = i + 1;
        FieldReader leser(zeilen[i]);
        QStringList f;
        while (!leser.atEnd())
            f.append(leser.next());
        if (f.size() != 7) {
            fehler.append({datei, nr, QStringLiteral("%1 Felder statt 7").arg(f.size())});
            continue;
        }
        Uebung u;
        u.kennung = f[0];
        u.kriterium1 = f[1];
        u.kategorienListe = listenEintraege(f[2]);
        u.kriterium2 = f[3];
        if (!parseLupRegeln(f[4], u.regel1, u.regel2))
            fehler.append(
                {datei, nr, QStringLiteral("Positionsregel \"%1\" ohne Doppelpunkt").arg(f[4])});
        u.paare = parseSchreibPaare(f[5]);
        if (u.paare.isEmpty())
            fehler.append({datei, nr, QStringLiteral("keine Schreibpaare")});
        // An empty spelling matches every word at every spot.
        for (const SchreibPaar& p : u.paare)
            if (p.s1.isEmpty() || p.s2.isEmpty())
                fehler.append({datei, nr, QStringLiteral("leere Schreibung in \"%1\"").arg(f[5])});
        u.titel = f[6];
        u.datei = datei;
        u.zeile = nr;
        uebungen.append(u);
    }
    return uebungen;
}

QStringList parseKategorien(const QString& text) {
    QStringList codes;
    FieldReader leser(text);
    while (!leser.atEnd()) {
        const QString titel = leser.next();
        const QString code = leser.next();
        if (!titel.startsWith(QLatin1String(">>>")))
            codes.append(code);
    }
    return codes;
}

} // namespace zafku::wortcheck
