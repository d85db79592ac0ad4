#include "ZafkuIni.h"

#include "platform/AtomicReplace.h"
#include "platform/FieldReader.h"
#include "platform/HostPath.h"
#include "platform/HostTextFile.h"
#include "platform/Windows1252.h"
#include "glob/GlobModul.h"
#include "glob/HostDateien.h"
#include "glob/SitzungsDaten.h"

#include <QFile>
#include <QRegularExpression>

namespace zafku {

namespace {

const QString kIniName = QStringLiteral("Vokra.ini");
const QString kAbschnitt = QStringLiteral("[Zafku]");

bool hatComputer(const SitzungsDaten& daten) {
    return daten.nSpieler > 0 && daten.spielerName[daten.nSpieler - 1] == kComputerName;
}

// Seats or removes the computer as the last player; true when the list changed. It plays
// only against somebody, so without a named player it stays out.
bool setzeComputer(SitzungsDaten& daten, bool an) {
    if (an && !hatComputer(daten) && daten.nSpieler >= 1 && daten.nSpieler < 4) {
        const int k = daten.nSpieler++;
        daten.spielerName[k] = kComputerName;
        daten.spielerDatei[k].clear();
        daten.punkte[k] = {0, 0};
        return true;
    }
    if (!an && hatComputer(daten)) {
        --daten.nSpieler;
        return true;
    }
    return false;
}

// A flag is written as 0 or 1; a decimal number that rounds to one of them is read too.
bool istFlagWert(const QString& wert) {
    static const QRegularExpression zahl(QStringLiteral(R"(^[+-]?(\d+\.?\d*|\.\d+)$)"));
    if (!zahl.match(wert).hasMatch())
        return false;
    const int n = zahlWert(wert);
    return n == 0 || n == 1;
}

QString dateiFehler(const SitzungsDaten& daten, const QString& was) {
    return QStringLiteral("Die Einstellungen konnten nicht gespeichert werden:\r"
                          "%1\rDatei: %2\rDie bisherige Datei bleibt unverändert.")
        .arg(was, daten.appPfad + u'/' + kIniName);
}

} // namespace

QStringList loadVokraIni(SitzungsDaten& daten, EinstellKontrollen& kontrollen) {
    // Left behind only by rewrites that were interrupted; Vokra.ini itself is whole.
    removeStaleTempFiles(resolveHostPath(daten.appPfad, kIniName));

    QStringList meldungen;
    const int menschen = daten.nSpieler - (hatComputer(daten) ? 1 : 0);
    kontrollen.computerWaehlbar = menschen >= 1 && menschen < 4;
    FieldReader leser(leseHostDatei(daten.appPfad, kIniName));
    if (leser.skipPast(kAbschnitt)) {
        int* const felder[] = {&daten.gegenComputer, &daten.compSpielStaerke, &daten.tonEin,
                               &daten.rateZeitBegrenzen, &daten.einstSpeichern};
        while (!leser.atEnd()) {
            const QString feld = leser.next();
            if (feld.startsWith(u'['))
                break;
            if (feld.startsWith(u';'))
                continue;
            for (int i = 0; i < daten.einstAnzahl && i < 5; ++i) {
                const QString schluessel = daten.einstSchluessel[i] + u'=';
                if (!feld.startsWith(schluessel))
                    continue;
                const QString wert = feld.mid(schluessel.size()).trimmed();
                if (!istFlagWert(wert)) {
                    meldungen.append(
                        QStringLiteral("Die Datei %1 enthält im Abschnitt %2 den Eintrag\r"
                                       "\"%3\".\rErlaubt sind nur die Werte 0 und 1; "
                                       "der Eintrag wird nicht beachtet.")
                            .arg(kIniName, kAbschnitt, feld));
                    break;
                }
                const int n = zahlWert(wert);
                *felder[i] = n;
                switch (i) {
                case 0:
                    if (!kontrollen.computerWaehlbar)
                        daten.gegenComputer = 0;
                    kontrollen.gegenComp = daten.gegenComputer == 1;
                    break;
                case 1:
                    kontrollen.spSt = n;
                    break;
                case 2:
                    kontrollen.tonEin = n == 1;
                    break;
                case 3:
                    kontrollen.rateZeitEin = n == 1;
                    break;
                default:
                    kontrollen.einstSaveOpt = n == 1;
                    break;
                }
                break;
            }
        }
    }
    // A computer that is switched on is always one of the players.
    if (daten.gegenComputer == 1)
        setzeComputer(daten, true);
    return meldungen;
}

QByteArray vokraIniMitEinstellungen(const QByteArray& alt, const SitzungsDaten& daten) {
    // Lines are split on the raw bytes so that host lines are copied exactly.
    QList<QByteArray> zeilen;
    qsizetype start = 0;
    for (qsizetype i = 0; i < alt.size(); ++i) {
        if (alt[i] != '\r' && alt[i] != '\n')
            continue;
        zeilen.append(alt.mid(start, i - start));
        if (alt[i] == '\r' && i + 1 < alt.size() && alt[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < alt.size())
        zeilen.append(alt.mid(start));

    QByteArray neu;
    const auto schreibe = [&neu](const QByteArray& zeile) { neu += zeile + "\r\n"; };
    qsizetype i = 0;
    bool gefunden = false;
    while (i < zeilen.size() && !gefunden) {
        gefunden = decodeWindows1252(zeilen[i]).trimmed() == kAbschnitt;
        schreibe(zeilen[i++]);
    }
    if (!gefunden)
        schreibe(kAbschnitt.toLatin1());
    const int werte[] = {daten.gegenComputer, daten.compSpielStaerke, daten.tonEin,
                         daten.rateZeitBegrenzen, daten.einstSpeichern};
    for (int k = 0; k < daten.einstAnzahl && k < 5; ++k)
        schreibe(encodeWindows1252(daten.einstSchluessel[k] + u'=' + QString::number(werte[k])));
    schreibe(" ");
    // The old entries go; comments stay; the next heading ends the section.
    for (; i < zeilen.size(); ++i) {
        if (zeilen[i].startsWith(';'))
            schreibe(zeilen[i]);
        if (zeilen[i].startsWith('[')) {
            schreibe(zeilen[i++]);
            break;
        }
    }
    for (; i < zeilen.size(); ++i)
        schreibe(zeilen[i]);
    return neu;
}

QString saveVokraIni(const SitzungsDaten& daten, const EinstellKontrollen& kontrollen) {
    if (!kontrollen.einstSaveOpt)
        return QString();
    const QString pfad = resolveHostPath(daten.appPfad, kIniName);
    QFile alt(pfad);
    if (!alt.open(QIODevice::ReadOnly))
        return dateiFehler(daten, QStringLiteral("Die Datei ist nicht mehr vorhanden "
                                                 "oder kann nicht gelesen werden."));
    const QByteArray inhalt = alt.readAll();
    if (alt.error() != QFileDevice::NoError)
        return dateiFehler(daten, QStringLiteral("Die Datei kann nicht gelesen werden."));
    // Checked on the mode bits: a read-only file stays as it is, whoever runs the game.
    if (!(alt.permissions() & QFileDevice::WriteOwner))
        return dateiFehler(daten, QStringLiteral("Die Datei ist schreibgeschützt."));
    const ReplaceResult r = replaceFileAtomically(pfad, vokraIniMitEinstellungen(inhalt, daten));
    if (!r.ok)
        return dateiFehler(daten, QStringLiteral("Schreiben nicht möglich: %1").arg(r.error));
    return QString();
}

bool uebernehmeEinstellungen(SitzungsDaten& daten, const EinstellKontrollen& kontrollen) {
    daten.tonEin = kontrollen.tonEin ? 1 : 0;
    daten.rateZeitBegrenzen = kontrollen.rateZeitEin ? 1 : 0;
    daten.einstSpeichern = kontrollen.einstSaveOpt ? 1 : 0;
    daten.compSpielStaerke = kontrollen.spSt == 0 ? 0 : 1;
    const bool geaendert = setzeComputer(daten, kontrollen.gegenComp);
    // Without a free seat the computer cannot be on.
    daten.gegenComputer = kontrollen.gegenComp && hatComputer(daten) ? 1 : 0;
    return geaendert;
}

void verwerfeEinstellungen(const SitzungsDaten& daten, EinstellKontrollen& kontrollen) {
    kontrollen.tonEin = daten.tonEin == 1;
    kontrollen.rateZeitEin = daten.rateZeitBegrenzen == 1;
    kontrollen.einstSaveOpt = daten.einstSpeichern == 1;
    kontrollen.gegenComp = daten.gegenComputer == 1;
    kontrollen.spSt = daten.compSpielStaerke;
}

} // namespace zafku
