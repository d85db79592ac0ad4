#include "RdbManager.h"

#include "AuswahlListe.h"
#include "Feldwert.h"
#include "KmpDatei.h"
#include "ListenEintrag.h"
#include "SchrittSuche.h"
#include "platform/HostPath.h"
#include "platform/LaufzeitFehler.h"
#include "glob/GlobModul.h"

namespace zafku {

RdbManager::RdbManager(ZufallsZahlen& zufall, Suchart suchart)
    : zufall_(zufall), suchart_(suchart), schritte_(std::make_unique<SchrittSuche>(*this)) {}

RdbManager::~RdbManager() = default;

void RdbManager::openRdb(const QString& appPfad) {
    appPfad_ = appPfad;
    index_ = {};
    dbAussprache.reset();
    dbPhras.reset();
    dbLup.reset();
    dbWort.reset();
    // The host's file: nothing may ever be written beside it.
    db = std::make_unique<SqliteDatabase>(resolveHostPath(appPfad, QStringLiteral("Vokra-D.mdb")),
                                          SqliteDatabase::Zugriff::Unveraenderlich);
    dbWort = std::make_unique<SqliteRecordSet>(
        *db, QStringLiteral("WortListe"),
        QStringList{QStringLiteral("RefNr"), QStringLiteral("Wort"), QStringLiteral("Kontext"),
                    QStringLiteral("KomplexInd")});
    dbLup = std::make_unique<SqliteRecordSet>(
        *db, QStringLiteral("LupenStellen"),
        QStringList{QStringLiteral("RefNr"), QStringLiteral("Vesk"), QStringLiteral("vonPos")});
    dbPhras = std::make_unique<SqliteRecordSet>(
        *db, QStringLiteral("SemSynt"),
        QStringList{QStringLiteral("RefNr"), QStringLiteral("SatzKontext")});
    try {
        dbAussprache = std::make_unique<SqliteStatement>(db->prepare(
            QStringLiteral("SELECT Lautschrift FROM Aussprache WHERE RefNr = ?1 LIMIT 1")));
    } catch (const LaufzeitFehler&) {
        // Without the table (or with another one of that name) words are read as written.
    }
    aufgabenPos = -1;
}

void RdbManager::readKmpDatei(const QString& kennung) {
    kategorie = zafku::readKmpDatei(appPfad_, kennung);
}

void RdbManager::loadKategorie(const QString& kennung) {
    readKmpDatei(kennung);
    // A criterion the database rejects is the exercise's fault; faults in the rows name
    // their table and record themselves.
    for (const QString& kriterium : {kategorie.kmpKriterium2, kategorie.kmpKriterium1}) {
        try {
            dbWort->select(QStringLiteral("rowid"), kriterium);
        } catch (const LaufzeitFehler& fehler) {
            throw LaufzeitFehler(
                fehler.text() +
                QStringLiteral("\rÜbung %1 in Vokra.kmp").arg(kategorie.kmpKennung));
        }
    }
    try {
        countAufgaben2();
        countAufgaben1();
    } catch (const LaufzeitFehler& fehler) {
        // A criterion that runs too long is the exercise's fault as well.
        const auto nennt = [&](const QString& k) {
            return !k.isEmpty() && fehler.text().contains(u'»' + k + u'«');
        };
        if (!nennt(kategorie.kmpKriterium1) && !nennt(kategorie.kmpKriterium2))
            throw;
        throw LaufzeitFehler(fehler.text() +
                             QStringLiteral("\rÜbung %1 in Vokra.kmp").arg(kategorie.kmpKennung));
    }
    if (kategorie.anzahl1 + kategorie.anzahl2 == 0)
        throw LaufzeitFehler(ohneAufgaben());
    aufgabenPos = keinePosition;
}

// Says why an exercise gives no task at all, so the teacher knows what to mend.
QString RdbManager::ohneAufgaben() const {
    bool treffer = false;
    for (const QString& kriterium : {kategorie.kmpKriterium1, kategorie.kmpKriterium2})
        treffer = treffer || dbWort->select(QStringLiteral("rowid"), kriterium).step();
    QString grund;
    if (kategorie.schreibPaare.isEmpty())
        grund = QStringLiteral("Sie nennt keine Schreibungen (das sechste Feld ihres Blocks "
                               "ist leer oder ohne Doppelpunkt).");
    else if (!treffer)
        grund = QStringLiteral("Kein Wort der Datenbank erfüllt ihre Auswahlbedingungen.");
    else
        grund = QStringLiteral("Kein Wort, das ihre Auswahlbedingungen erfüllt, enthält eine "
                               "ihrer Schreibungen an einer erlaubten Stelle.");
    return QStringLiteral("Die Übung %1 in Vokra.kmp ergibt keine einzige Aufgabe.\r%2\r"
                          "Bitte die Übung in Vokra.kmp prüfen.")
        .arg(kategorie.kmpKennung, grund);
}

void RdbManager::anzahlSetzen(bool liste2) {
    const int anzahl = suchart_ == Suchart::Schritte ? schritte_->countAufgaben(liste2)
                                                     : index_.zaehle(*this, liste2);
    (liste2 ? kategorie.anzahl2 : kategorie.anzahl1) = anzahl;
}

bool RdbManager::gotoAufgabe(int n, bool liste2) {
    return suchart_ == Suchart::Schritte ? schritte_->gotoAufgabe(n, liste2)
                                         : index_.gotoAufgabe(*this, n, liste2);
}

QString RdbManager::getNextAufgabe() {
    const bool liste2 = zufall_.zufallsZahl(1, 100) >= 51;
    const int n = zufall_.zufallsZahl(1, liste2 ? kategorie.anzahl2 : kategorie.anzahl1);
    if (liste2 != letzteListe2) {
        aufgabenPos = keinePosition;
        letzteListe2 = liste2;
    }
    return gotoAufgabe(n, liste2) ? buildAuswahlListe(liste2) : QString();
}

void RdbManager::readAufgabe(bool liste2, int pos, int paarNr) {
    SqliteRecordSet& wort = *dbWort;
    const QString refNrFeld = QStringLiteral("RefNr");
    Aufgabe a;
    a.aktRefNr = leseInt16(wort.field(refNrFeld), refNrFeld, wort, satzNummer(wort.rowid()));
    const QString satz = satzMitRefNr(a.aktRefNr);
    a.aktWort = leseText(wort.field(QStringLiteral("Wort")), QStringLiteral("Wort"), wort, satz);
    a.aktKontext = wort.field(QStringLiteral("Kontext")).toString();
    a.aktKomplexInd = leseInt16(wort.field(QStringLiteral("KomplexInd")),
                                QStringLiteral("KomplexInd"), wort, satz);
    a.aktSatzKontext = satzKontext(a.aktRefNr);
    a.aktAussprache = aussprache(a.aktRefNr);
    const SchreibPaar& paar = kategorie.schreibPaare.at(paarNr);
    a.aktPaarNr = paarNr;
    a.aktLupLaenge = int((liste2 ? paar.schreibung2 : paar.schreibung1).size());
    a.aktVonPos = pos;
    a.aktLueckWort = a.aktWort.left(pos - 1) + u'_' + a.aktWort.mid(pos - 1 + a.aktLupLaenge);
    aufgabe = a;
}

QString RdbManager::satzKontext(int refNr) {
    const QString refNrFeld = QStringLiteral("RefNr");
    dbPhras->findFirst(refNrFeld, refNr);
    if (dbPhras->noMatch())
        return QString();
    return leseText(dbPhras->field(QStringLiteral("SatzKontext")), QStringLiteral("SatzKontext"),
                    *dbPhras, satzMitRefNr(refNr));
}

QString RdbManager::aussprache(int refNr) {
    if (!dbAussprache)
        return QString();
    dbAussprache->reset();
    dbAussprache->bind(1, refNr);
    const QString laut = dbAussprache->step() ? dbAussprache->value(0).toString() : QString();
    // Anything else would be spelt out sign by sign.
    const bool lautschrift =
        laut.startsWith(QLatin1String("[[")) && laut.endsWith(QLatin1String("]]"));
    return lautschrift ? laut : QString();
}

void RdbManager::pruefeAufgabe(int refNr, const QVariant& komplexInd) {
    leseInt16(komplexInd, QStringLiteral("KomplexInd"), *dbWort, satzMitRefNr(refNr));
    satzKontext(refNr);
}

QString RdbManager::buildAuswahlListe(bool liste2) const {
    return zafku::buildAuswahlListe(kategorie, aufgabe, liste2);
}

QString RdbManager::getListenEintrag(const QString& liste, int n) {
    return zafku::getListenEintrag(liste, n);
}

} // namespace zafku
