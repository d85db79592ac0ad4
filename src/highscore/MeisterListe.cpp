#include "MeisterListe.h"

#include "PgMeisterSpeicher.h"
#include "SqliteMeisterSpeicher.h"
#include "glob/HostDateien.h"
#include "glob/SitzungsDaten.h"
#include "platform/HostTextFile.h"
#include "platform/LaufzeitFehler.h"

#include <QStringList>

#include <algorithm>

namespace zafku {

namespace {

// Where the minimum search starts: with every row at or above it, an entry above it
// is added and a row of exactly this value (if any) goes.
constexpr std::int32_t kMinStart = 100000;

QString namenListe(const QStringList& namen) {
    if (namen.size() < 2)
        return namen.value(0);
    return QStringList(namen.mid(0, namen.size() - 1)).join(QStringLiteral(", ")) +
           QStringLiteral(" und ") + namen.last();
}

// The message window grows with its longest line; store texts carry long paths.
QString umbrochen(const QString& text) {
    constexpr int breite = 64;
    QStringList zeilen;
    for (const QString& absatz : text.split(u'\r')) {
        QString zeile;
        for (const QString& wort : absatz.split(u' ', Qt::SkipEmptyParts)) {
            if (!zeile.isEmpty() && zeile.size() + 1 + wort.size() > breite) {
                zeilen.append(zeile);
                zeile.clear();
            }
            zeile += (zeile.isEmpty() ? QString() : QStringLiteral(" ")) + wort;
        }
        zeilen.append(zeile);
    }
    return zeilen.join(u'\r');
}

} // namespace

MeisterListe::MeisterListe(std::unique_ptr<MeisterSpeicher> speicher)
    : speicher_(std::move(speicher)) {}

MeisterListe::~MeisterListe() = default;

void MeisterListe::pruefeEintrag(const MeisterEintrag& eintrag) {
    try {
        speicher_->oeffneTabelle(eintrag.programm);
        if (speicher_->zaehleEintraege(eintrag.programm) < kMaxEintraege) {
            speicher_->fuegeEintragEin(eintrag);
        } else {
            const std::int32_t m = std::min(
                kMinStart, speicher_->kleinstePunkte(eintrag.programm).value_or(kMinStart));
            if (m < eintrag.punkte) {
                speicher_->fuegeEintragEin(eintrag);
                speicher_->loescheEintrag(eintrag.programm, m);
            }
        }
        speicher_->schliesseDb();
    } catch (...) {
        speicher_->verwirf();
        throw;
    }
}

QString MeisterListe::updateMeister(const SitzungsDaten& daten, const QString& datum) {
    for (int i = 0; i < daten.nSpieler && i < SitzungsDaten::maxZeilen; ++i) {
        if (daten.punkte[i][0] <= 0)
            continue;
        try {
            pruefeEintrag({daten.spielerName[i], programm(), datum, daten.punkte[i][0]});
        } catch (const LaufzeitFehler& fehler) {
            // The same store would fail again and make the end wait once more per player.
            QStringList fehlend;
            for (int j = i; j < daten.nSpieler && j < SitzungsDaten::maxZeilen; ++j)
                if (daten.punkte[j][0] > 0)
                    fehlend.append(daten.spielerName[j]);
            return umbrochen(QStringLiteral("Die Punkte von %1 konnten nicht in die "
                                            "Meisterliste eingetragen werden.\r%2")
                                 .arg(namenListe(fehlend), fehler.text()));
        }
    }
    return {};
}

MeisterListe::Anzeige MeisterListe::zeigeListe() {
    Anzeige anzeige;
    QList<MeisterEintrag> zeilen;
    try {
        zeilen = speicher_->oeffneListe(programm());
    } catch (const LaufzeitFehler& fehler) {
        anzeige.fehler =
            QStringLiteral("Die Meisterliste kann nicht gelesen werden.\r") + fehler.text();
        return anzeige;
    }
    int n = 1;
    for (const MeisterEintrag& z : zeilen) {
        if (z.punkte <= 0)
            continue;
        // A line break in a name would put the names out of step with dates and points.
        const QString name = controlsAsBlanks(
            z.name.trimmed().size() > kNameLaenge ? z.name.left(kNameLaenge) : z.name);
        anzeige.lfdNr += QString::number(n) + QStringLiteral(".\r");
        anzeige.namen += name + u'\r';
        anzeige.daten += z.datum + u'\r';
        anzeige.punkte += QString::number(z.punkte) + u'\r';
        ++n;
    }
    return anzeige;
}

std::unique_ptr<MeisterSpeicher> oeffneMeisterSpeicher(const QString& appPfad,
                                                       const QString& userPfad) {
    const QString server = klassenServer(appPfad);
    if (!server.isEmpty())
        return std::make_unique<PgMeisterSpeicher>(server);
    return std::make_unique<SqliteMeisterSpeicher>(userPfad + QStringLiteral("/Meister.mdb"));
}

} // namespace zafku
