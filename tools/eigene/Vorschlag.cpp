#include "Vorschlag.h"

#include "platform/LaufzeitFehler.h"
#include "platform/SqliteDatabase.h"
#include "rdb/LupenPruefung.h"

namespace zafku::eigene {

namespace {

bool istGrossKlein(const QString& code) {
    return code.startsWith(QLatin1String("GK"));
}

struct Treffer {
    Vorschlag v;
    int stelle = 0; // where the spelling stands, 1-based
};

// A longer known spelling covers the spot: the i of ie is no spot of its own.
bool ueberdeckt(const QString& wort, const Treffer& t, const QStringList& schreibungen) {
    const int laenge = int(t.v.schreibung.size());
    for (const QString& s : schreibungen) {
        if (s.size() <= laenge)
            continue;
        for (qsizetype q = wort.indexOf(s, 0, Qt::CaseInsensitive); q >= 0;
             q = wort.indexOf(s, q + 1, Qt::CaseInsensitive))
            if (q + 1 <= t.stelle && q + 1 + s.size() >= t.stelle + laenge)
                return true;
    }
    return false;
}

} // namespace

bool istArtikel(const QString& kontext) {
    return QStringList{"der", "die", "das"}.contains(kontext);
}

bool istTunwort(const QString& kontext) {
    return QStringList{"Tunwort", "Verb"}.contains(kontext, Qt::CaseInsensitive);
}

bool istWiewort(const QString& kontext) {
    return QStringList{"Wiewort", "Adjektiv", "Eigenschaftswort"}.contains(kontext,
                                                                           Qt::CaseInsensitive);
}

Vorschlaege::Vorschlaege(QList<Block> bloecke)
    : bloecke_(std::move(bloecke)),
      probe_(std::make_unique<SqliteDatabase>(QStringLiteral(":memory:"),
                                              SqliteDatabase::Zugriff::Schreiben)) {
    probe_->exec(QStringLiteral("CREATE TABLE WortListe(RefNr INTEGER, Wort TEXT, Kontext TEXT, "
                                "KomplexInd INTEGER, Schwerpunkte TEXT, Eigene INTEGER)"));
    neu_ = std::make_unique<SqliteStatement>(
        probe_->prepare(QStringLiteral("INSERT INTO WortListe VALUES(30000, ?1, ?2, 1, ?3, 1)")));
    for (const Block& b : bloecke_) {
        if (istGrossKlein(b.code()))
            continue;
        const QList<SchreibPaar>& paare = b.kategorie.schreibPaare;
        if (!paare.isEmpty())
            hauptSchreibungen_.append(paare[0].schreibung1);
        for (const SchreibPaar& p : paare)
            alleSchreibungen_ << p.schreibung1 << p.schreibung2;
    }
    alleSchreibungen_.removeDuplicates();
    for (const Block& b : bloecke_) {
        std::unique_ptr<SqliteStatement> s;
        try {
            s = std::make_unique<SqliteStatement>(
                probe_->prepare(QStringLiteral("SELECT count(*) FROM WortListe WHERE ") +
                                b.kategorie.kmpKriterium1));
        } catch (const LaufzeitFehler&) {
        }
        kriterien_.push_back(std::move(s));
    }
}

Vorschlaege::~Vorschlaege() = default;

// The block's list-1 criterion on a row of this word marked with the block's code.
bool Vorschlaege::nimmtAn(qsizetype block, const QString& wort, const QString& kontext) const {
    SqliteStatement* zahl = kriterien_[size_t(block)].get();
    if (!zahl)
        return false;
    try {
        probe_->exec(QStringLiteral("DELETE FROM WortListe"));
        neu_->reset();
        neu_->bind(1, wort);
        neu_->bind(2, kontext);
        neu_->bind(3, u';' + bloecke_[block].code() + u';');
        neu_->step();
        zahl->reset();
        const bool an = zahl->step() && zahl->int64(0) > 0;
        zahl->reset();
        return an;
    } catch (const LaufzeitFehler&) {
        return false;
    }
}

QList<Vorschlag> Vorschlaege::fuer(const QString& wort, const QString& kontext) const {
    QList<Vorschlag> ergebnis;
    if (wort.isEmpty())
        return ergebnis;
    // Letter case follows the word class, not the letters.
    const bool gross = wort[0].isUpper();
    const QString gk = istArtikel(kontext) && gross    ? QStringLiteral("GK1M")
                       : istTunwort(kontext) && !gross ? QStringLiteral("GK2M")
                       : istWiewort(kontext) && !gross ? QStringLiteral("GK3M")
                                                       : QString();
    if (!gk.isEmpty() && blockFuer(bloecke_, gk))
        ergebnis.append({gk, 1, wort.left(1), true});

    QList<Treffer> treffer;
    for (qsizetype i = 0; i < bloecke_.size(); ++i) {
        const Block& b = bloecke_[i];
        const QList<SchreibPaar>& paare = b.kategorie.schreibPaare;
        if (istGrossKlein(b.code()) || paare.isEmpty() || !nimmtAn(i, wort, kontext))
            continue;
        const QString& haupt = paare[0].schreibung1;
        const LupRegel& regel = b.kategorie.lupRegel1;
        // A single letter counts as a spot only where the criterion looks at the word.
        const bool eng = b.kategorie.kmpKriterium1.contains(QLatin1String("Wort"));
        QStringList gesehen;
        for (const SchreibPaar& p : paare) {
            const QString& s = p.schreibung1;
            if (s.isEmpty() || gesehen.contains(s))
                continue;
            gesehen.append(s);
            if (s != haupt && (s.size() < 2 || hauptSchreibungen_.contains(s)))
                continue;
            const bool sicher = s.size() >= 2 || eng;
            for (qsizetype q = wort.indexOf(s, 0, Qt::CaseInsensitive); q >= 0;
                 q = wort.indexOf(s, q + 1, Qt::CaseInsensitive)) {
                const int stelle = int(q) + 1;
                if (regel.absolut && stelle != regel.nummer)
                    continue;
                const int vonPos = regel.absolut ? stelle : stelle - regel.nummer;
                if (vonPos >= 1)
                    treffer.append({{b.code(), vonPos, wort.mid(q, s.size()), sicher}, stelle});
            }
        }
    }
    for (Treffer& t : treffer) {
        if (ueberdeckt(wort, t, alleSchreibungen_))
            continue;
        // Two categories for one spot (v as f or as w): the teacher decides.
        for (const Treffer& andere : treffer)
            if (andere.v.code != t.v.code && andere.stelle == t.stelle &&
                !ueberdeckt(wort, andere, alleSchreibungen_))
                t.v.sicher = false;
        ergebnis.append(t.v);
    }
    return ergebnis;
}

} // namespace zafku::eigene
