#include "Aufgaben.h"

#include <sqlite3.h>

namespace zafku::wortcheck {

using material::WortEintrag;

namespace {

bool fuehreAus(sqlite3* db, const char* sql) {
    return sqlite3_exec(db, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
}

// The spelling of pair i that belongs to the list.
const QString& schreibung(const SchreibPaar& paar, bool liste2) {
    return liste2 ? paar.s2 : paar.s1;
}

// Steps 2 to 4 of the marker test: the first pair whose spelling stands at the spot.
int passendesPaar(const Uebung& u, bool liste2, const QString& wort, int p) {
    for (int i = 0; i < u.paare.size(); ++i) {
        const QString& s = schreibung(u.paare[i], liste2);
        const QString w = p >= 1 ? wort.mid(p - 1, s.size()) : QString();
        if (s.toUpper() == w.toUpper())
            return i;
    }
    return -1;
}

bool pruefeAufgabe(const Uebung& u, bool liste2, const WortEintrag& eintrag,
                   const QStringList& kategorien, Aufgabe& a) {
    const LupRegel& regel = liste2 ? u.regel2 : u.regel1;
    const QStringList codes = liste2 ? u.kategorienListe : QStringList{u.kennung};
    for (const material::Marke& m : eintrag.marken) {
        const int vesk = kategorien.indexOf(m.code);
        for (const QString& code : codes) {
            if (vesk < 0 || kategorien.indexOf(code) != vesk)
                continue;
            const int p = regel.start(m.vonPos);
            const int paar = passendesPaar(u, liste2, eintrag.wort, p);
            if (paar >= 0) {
                a.vonPos = p;
                a.paarNr = paar;
                return true;
            }
        }
    }
    if (regel.absolut) {
        a.paarNr = passendesPaar(u, liste2, eintrag.wort, regel.zahl);
        a.vonPos = regel.zahl;
        return a.paarNr >= 0;
    }
    for (int i = 0; i < u.paare.size(); ++i) {
        const qsizetype at = eintrag.wort.indexOf(schreibung(u.paare[i], liste2));
        if (at >= 0) {
            a.vonPos = int(at) + 1;
            a.paarNr = i;
            return true;
        }
    }
    return false;
}

} // namespace

WortTabelle::WortTabelle(const QList<WortEintrag>& woerter) : db_(nullptr, sqlite3_close) {
    sqlite3* db = nullptr;
    sqlite3_open(":memory:", &db);
    db_.reset(db);
    fuehreAus(db, "CREATE TABLE WortListe (RefNr INTEGER, Wort TEXT, Kontext TEXT, "
                  "KomplexInd INTEGER, Schwerpunkte TEXT)");
    fuehreAus(db, "BEGIN");
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(db, "INSERT INTO WortListe VALUES (?, ?, ?, ?, ?)", -1, &stmt, nullptr);
    for (int i = 0; i < woerter.size(); ++i) {
        const WortEintrag& w = woerter[i];
        const QByteArray felder[] = {w.wort.toUtf8(), w.kontext.toUtf8(), schwerpunkte(w).toUtf8()};
        sqlite3_bind_int(stmt, 1, i + 1);
        sqlite3_bind_text(stmt, 2, felder[0].constData(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(stmt, 3, felder[1].constData(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_int(stmt, 4, w.komplexInd);
        sqlite3_bind_text(stmt, 5, felder[2].constData(), -1, SQLITE_TRANSIENT);
        sqlite3_step(stmt);
        sqlite3_reset(stmt);
    }
    sqlite3_finalize(stmt);
    fuehreAus(db, "COMMIT");
}

WortTabelle::~WortTabelle() = default;

bool WortTabelle::waehle(const QString& kriterium, QList<int>& indexe, QString& fehler) const {
    const QByteArray sql = QStringLiteral("SELECT RefNr FROM WortListe WHERE (%1) ORDER BY rowid")
                               .arg(kriterium)
                               .toUtf8();
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db_.get(), sql.constData(), -1, &stmt, nullptr) != SQLITE_OK) {
        fehler = QString::fromUtf8(sqlite3_errmsg(db_.get()));
        return false;
    }
    int rc;
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW)
        indexe.append(sqlite3_column_int(stmt, 0) - 1);
    if (rc != SQLITE_DONE)
        fehler = QString::fromUtf8(sqlite3_errmsg(db_.get()));
    sqlite3_finalize(stmt);
    return rc == SQLITE_DONE;
}

QString schwerpunkte(const WortEintrag& wort) {
    QStringList codes;
    for (const material::Marke& m : wort.marken)
        if (!codes.contains(m.code))
            codes.append(m.code);
    return codes.isEmpty() ? QString() : u';' + codes.join(u';') + u';';
}

bool findeAufgaben(const Uebung& uebung, const QList<WortEintrag>& woerter,
                   const WortTabelle& tabelle, const QStringList& kategorien,
                   QList<Aufgabe>& aufgaben, QString& fehler) {
    for (const bool liste2 : {false, true}) {
        QList<int> indexe;
        if (!tabelle.waehle(liste2 ? uebung.kriterium2 : uebung.kriterium1, indexe, fehler))
            return false;
        for (const int i : indexe) {
            Aufgabe a{i, liste2, 0, 0};
            if (pruefeAufgabe(uebung, liste2, woerter[i], kategorien, a))
                aufgaben.append(a);
        }
    }
    return true;
}

int lupLaenge(const Uebung& uebung, const Aufgabe& aufgabe) {
    return int(schreibung(uebung.paare[aufgabe.paarNr], aufgabe.liste2).size());
}

QStringList auswahlListe(const Uebung& uebung, const Aufgabe& aufgabe, const QString& wort) {
    static const QStringList grossUebungen = {"GK1M", "GK2M", "GK3M"};
    const QChar erstes = wort.isEmpty() ? QChar() : wort[0];
    const bool gross =
        !grossUebungen.contains(uebung.kennung) && aufgabe.vonPos == 1 &&
        ((erstes >= u'A' && erstes <= u'Z') || erstes == u'Ä' || erstes == u'Ö' || erstes == u'Ü');
    const auto schreibe = [gross](const QString& s) {
        return gross && !s.isEmpty() ? s.left(1).toUpper() + s.mid(1) : s;
    };
    const SchreibPaar& eigen = uebung.paare[aufgabe.paarNr];
    const QString& r = schreibung(eigen, aufgabe.liste2);
    QStringList liste{schreibe(eigen.s1), schreibe(eigen.s2)};
    for (const SchreibPaar& p : uebung.paare) {
        const QString& von = aufgabe.liste2 ? p.s2 : p.s1;
        const QString& kandidat = aufgabe.liste2 ? p.s1 : p.s2;
        if (von != r || kandidat.isEmpty())
            continue;
        const QString k = schreibe(kandidat);
        if (!liste.contains(k))
            liste.append(k);
    }
    return liste;
}

} // namespace zafku::wortcheck
