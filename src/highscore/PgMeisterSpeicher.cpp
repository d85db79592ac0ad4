#include "PgMeisterSpeicher.h"

namespace zafku {

PgMeisterSpeicher::PgMeisterSpeicher(const QString& verbindung, int wartezeitS, int netzS)
    : wartezeitS_(wartezeitS), pg_(verbindung, QStringLiteral("Der Meisterlisten-Server"), netzS) {
    pg_.erklaere = [this](const QByteArray& code) {
        if (code == "55P03")
            return QStringLiteral("ist gesperrt: Ein anderes Spiel trägt gerade seit über %1 "
                                  "Sekunden Punkte ein.")
                .arg(wartezeitS_);
        if (code == "42501")
            return QStringLiteral("erlaubt Zafku nicht, die Tabelle Punkte anzulegen, zu lesen "
                                  "oder zu schreiben.");
        if (code == "42703" || code == "42804")
            return QStringLiteral("hat eine Tabelle Punkte ohne die Spalten Programm, Name, "
                                  "Datum und Punkte.");
        return QString();
    };
}

PgMeisterSpeicher::~PgMeisterSpeicher() = default;

bool PgMeisterSpeicher::hatTabelle() {
    return fuehreAus("SELECT to_regclass('punkte') IS NOT NULL")[0][0] == QLatin1String("t");
}

void PgMeisterSpeicher::oeffneTabelle(const QString& programm) {
    pg_.verbinde(wartezeitS_);
    fuehreAus("BEGIN");
    const QByteArray warten = "SET LOCAL lock_timeout = '" + QByteArray::number(wartezeitS_) + "s'";
    fuehreAus(warten.constData());
    // Other games' offers need not wait for ours: the lock is per game name.
    fuehreAus("SELECT pg_advisory_xact_lock(hashtext('Punkte'), hashtext($1))", {programm});
    if (!hatTabelle())
        fuehreAus("CREATE TABLE Punkte (Programm text, Name text, Datum text, Punkte integer)");
}

int PgMeisterSpeicher::zaehleEintraege(const QString& programm) {
    return fuehreAus("SELECT count(*) FROM Punkte WHERE Programm = $1", {programm})[0][0].toInt();
}

std::optional<std::int32_t> PgMeisterSpeicher::kleinstePunkte(const QString& programm) {
    // The count tells an empty list from a smallest entry.
    const auto z =
        fuehreAus("SELECT count(Punkte), min(Punkte) FROM Punkte WHERE Programm = $1", {programm});
    if (z[0][0] == QLatin1String("0"))
        return std::nullopt;
    return z[0][1].toInt();
}

void PgMeisterSpeicher::fuegeEintragEin(const MeisterEintrag& e) {
    fuehreAus("INSERT INTO Punkte (Name, Programm, Datum, Punkte) VALUES ($1, $2, $3, $4)",
              {e.name, e.programm, e.datum, QString::number(e.punkte)});
}

void PgMeisterSpeicher::loescheEintrag(const QString& programm, std::int32_t punkte) {
    fuehreAus("DELETE FROM Punkte WHERE ctid = (SELECT ctid FROM Punkte WHERE Programm = $1 "
              "AND Punkte = $2 LIMIT 1)",
              {programm, QString::number(punkte)});
}

void PgMeisterSpeicher::schliesseDb() {
    fuehreAus("COMMIT");
    pg_.trenne();
}

void PgMeisterSpeicher::verwirf() {
    pg_.trenne();
}

QList<MeisterEintrag> PgMeisterSpeicher::oeffneListe(const QString& programm) {
    pg_.verbinde(wartezeitS_);
    QList<MeisterEintrag> zeilen;
    if (hatTabelle())
        for (const QStringList& z : fuehreAus("SELECT Name, Programm, Datum, Punkte FROM Punkte "
                                              "WHERE Programm = $1 ORDER BY Punkte DESC",
                                              {programm}))
            zeilen.append({z[0], z[1], z[2], z[3].toInt()});
    pg_.trenne();
    return zeilen;
}

} // namespace zafku
