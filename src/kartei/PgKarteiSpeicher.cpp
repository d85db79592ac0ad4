#include "PgKarteiSpeicher.h"

namespace zafku::kartei {

PgKarteiSpeicher::PgKarteiSpeicher(const QString& verbindung, int wartezeitS, int netzS)
    : wartezeitS_(wartezeitS),
      pg_(verbindung, QStringLiteral("Die Wortkartei auf dem Meisterlisten-Server"), netzS) {
    pg_.erklaere = [this](const QByteArray& code) {
        if (code == "55P03")
            return QStringLiteral("ist gesperrt: Ein anderer Rechner schreibt seit über %1 "
                                  "Sekunden in dieselbe Kartei.")
                .arg(wartezeitS_);
        if (code == "42501")
            return QStringLiteral("erlaubt Zafku nicht, die Tabellen der Wortkartei anzulegen, "
                                  "zu lesen oder zu schreiben.");
        return QString();
    };
}

void PgKarteiSpeicher::legeTabellenAn(const QStringList& anweisungen) {
    if (hatTabellen())
        return;
    // Two first starts at once would both create the tables.
    fuehreAus("BEGIN");
    fuehreAus("SELECT pg_advisory_xact_lock(hashtext('Kartei'))");
    for (const QString& sql : anweisungen)
        fuehreAus(sql.toUtf8().constData());
    fuehreAus("COMMIT");
}

void PgKarteiSpeicher::sperre(const QString& datei) {
    fuehreAus("BEGIN");
    const QByteArray warten = "SET LOCAL lock_timeout = '" + QByteArray::number(wartezeitS_) + "s'";
    fuehreAus(warten.constData());
    fuehreAus("SELECT pg_advisory_xact_lock(hashtext('Kartei'), hashtext($1))", {datei});
}

void PgKarteiSpeicher::schliesse() {
    fuehreAus("COMMIT");
    pg_.trenne();
}

bool PgKarteiSpeicher::hatTabellen() {
    return fuehreAus("SELECT to_regclass('lesungen') IS NOT NULL")[0][0] == QLatin1String("t");
}

} // namespace zafku::kartei
