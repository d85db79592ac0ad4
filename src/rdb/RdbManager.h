#pragma once

#include "Aufgabe.h"
#include "AufgabenIndex.h"
#include "Kategorie.h"
#include "platform/SqliteDatabase.h"
#include "platform/SqliteRecordSet.h"

#include <QString>

#include <memory>

namespace zafku {

class ZufallsZahlen;
class SchrittSuche;

// How a draw reaches its task: through the index built while counting, or by stepping
// through the record sets with find-first/find-next. Both give the same tasks.
enum class Suchart { Index, Schritte };

// The spelling database and the exercise: counts the two task lists, draws tasks at
// random and builds their choice lists.
class RdbManager {
  public:
    explicit RdbManager(ZufallsZahlen& zufall, Suchart suchart = Suchart::Index);
    ~RdbManager();

    // Vokra-D.mdb in appPfad, read-only; its three tables stay open.
    void openRdb(const QString& appPfad);
    // Reads Vokra.kmp in appPfad and counts list 2, then list 1.
    void loadKategorie(const QString& kennung);
    void readKmpDatei(const QString& kennung);
    void countAufgaben1() { anzahlSetzen(false); }
    void countAufgaben2() { anzahlSetzen(true); }

    // The choice list of a newly drawn task, or "" when the drawn list has no task.
    QString getNextAufgabe();
    // True when the n-th task of the list is current (and read into aufgabe).
    bool gotoAufgabe(int n, bool liste2);
    // Fills aufgabe from the word table's current record.
    void readAufgabe(bool liste2, int pos, int paarNr);
    // Counting calls this for every task it finds, so that a row readAufgabe could not
    // read stops the game at its start rather than in the middle of play.
    void pruefeAufgabe(int refNr, const QVariant& komplexInd);
    QString buildAuswahlListe(bool liste2) const;

    static QString getListenEintrag(const QString& liste, int n);

    // The stepping procedures; also used by the Schritte mode.
    SchrittSuche& schritte() { return *schritte_; }

    Kategorie kategorie;
    Aufgabe aufgabe;
    // aufgabenPos when the record set stands on no task of the list last drawn.
    static constexpr int keinePosition = 25000;
    // Position among the usable tasks of the list last drawn; keinePosition when none is
    // current.
    int aufgabenPos = -1;
    bool letzteListe2 = false;

    std::unique_ptr<SqliteDatabase> db;
    std::unique_ptr<SqliteRecordSet> dbWort, dbLup, dbPhras;
    // The reviewed pronunciations; the host's own databases have none.
    std::unique_ptr<SqliteStatement> dbAussprache;

  private:
    QString satzKontext(int refNr);
    QString aussprache(int refNr);
    QString ohneAufgaben() const;
    void anzahlSetzen(bool liste2);

    ZufallsZahlen& zufall_;
    Suchart suchart_;
    QString appPfad_;
    std::unique_ptr<SchrittSuche> schritte_;
    AufgabenIndex index_;
};

} // namespace zafku
