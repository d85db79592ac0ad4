#include "Vorschlag.h"

#include "EigeneDatei.h"
#include "Pruefungen.h"
#include "StellenName.h"
#include "aussprache/Lautschrift.h"
#include "aussprache/Vokallaenge.h"
#include "platform/LaufzeitFehler.h"
#include "platform/SqliteDatabase.h"
#include "rdb/LupenPruefung.h"

#include <algorithm>
#include <optional>

namespace zafku::eigene {

namespace {

const QString selbstlaute = QStringLiteral("aeiouäöü");

bool istGrossKlein(const QString& code) {
    return code.startsWith(QLatin1String("GK"));
}

struct Treffer {
    Vorschlag v;
    int stelle = 0;      // where the spelling stands, 1-based
    bool vokal = false;  // a long vowel written alone
    int gegensaetze = 0; // wrong fillings the block offers for it
};

int gegensaetze(const Block& b, const QString& s) {
    const QList<SchreibPaar>& paare = b.kategorie.schreibPaare;
    return int(std::count_if(paare.begin(), paare.end(),
                             [&](const SchreibPaar& p) { return p.schreibung1 == s; }));
}

// Where the block's tip puts a spelling after some letters only ("Nach l, n und r … nur k"),
// it is no spot elsewhere (the K of Kamm). A single letter the block sets against its
// double (s against ss) is one only before a vowel or at the end: not the s of Wespe.
bool passtUmfeld(const Block& b, const QString& wort, qsizetype q, const QString& s) {
    const QString vor = wortcheck::buchstabenVor(b.kategorie.kmpTitel, s);
    if (!vor.isEmpty() && (q == 0 || !vor.contains(wort[q - 1].toLower())))
        return false;
    const QList<SchreibPaar>& paare = b.kategorie.schreibPaare;
    const bool gegenDoppelt = s.size() == 1 && !selbstlaute.contains(s[0]) &&
                              std::any_of(paare.begin(), paare.end(), [&](const SchreibPaar& p) {
                                  return p.schreibung1 == s && p.schreibung2 == s + s;
                              });
    const qsizetype nach = q + s.size();
    return !gegenDoppelt || nach >= wort.size() || selbstlaute.contains(wort[nach].toLower());
}

// A vowel the long-vowel rule of the block speaks of, and espeak-ng speaks it long.
bool langerSelbstlaut(const Block& b, const QString& wort, int stelle, const QString& s,
                      const QString& laute) {
    const auto a = aussprache::anspruch(b.code(), wort, stelle, s);
    if (!a || a->verlangt != aussprache::Verlangt::Lang)
        return false;
    const auto k = aussprache::gesprochenerKern(wort, stelle - 1, laute);
    return k && k->lang && !k->zwielaut();
}

// A longer spelling found in the word covers the spot: the i of ie is no spot of its own,
// the k of Bank is one (nk is not, without ng beside it).
bool ueberdeckt(const Treffer& t, const QList<Treffer>& treffer) {
    const qsizetype laenge = t.v.schreibung.size();
    return std::any_of(treffer.begin(), treffer.end(), [&](const Treffer& o) {
        return o.v.schreibung.size() > laenge && o.stelle <= t.stelle &&
               o.stelle + o.v.schreibung.size() >= t.stelle + laenge;
    });
}

// Where espeak-ng speaks the vowel of the spot's rule otherwise (the a before rr in
// Fahrrad is long), the spot is doubtful; empty when it agrees or cannot be told.
QString gegenAussprache(const Treffer& t, const QString& wort, const QString& laute) {
    const auto a = aussprache::anspruch(t.v.code, wort, t.stelle, t.v.schreibung);
    const auto k = a ? aussprache::gesprochenerKern(wort, a->buchstabe, laute) : std::nullopt;
    if (!k || aussprache::erfuellt(a->verlangt, *k))
        return {};
    return QStringLiteral("die Vorlesestimme spricht das »%1« %2")
        .arg(wort[a->buchstabe].toLower())
        .arg(k->lang ? QStringLiteral("lang") : QStringLiteral("kurz"));
}

} // namespace

Laute espeakLaute() {
    aussprache::Lautschrift* stimme = aussprache::Lautschrift::deutsch();
    if (!stimme)
        return [](const QString&) { return QString(); };
    return [stimme](const QString& wort) { return stimme->phoneme(wort); };
}

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

Vorschlaege::Vorschlaege(QList<Block> bloecke, Laute laute)
    : bloecke_(std::move(bloecke)), laute_(std::move(laute)),
      probe_(std::make_unique<SqliteDatabase>(QStringLiteral(":memory:"),
                                              SqliteDatabase::Zugriff::Schreiben)) {
    probe_->exec(QStringLiteral("CREATE TABLE WortListe(RefNr INTEGER, Wort TEXT, Kontext TEXT, "
                                "KomplexInd INTEGER, Schwerpunkte TEXT, Eigene INTEGER)"));
    neu_ = std::make_unique<SqliteStatement>(
        probe_->prepare(QStringLiteral("INSERT INTO WortListe VALUES(30000, ?1, ?2, 1, ?3, 1)")));
    for (const Block& b : bloecke_)
        if (!istGrossKlein(b.code()) && !b.kategorie.schreibPaare.isEmpty())
            hauptSchreibungen_.append(b.kategorie.schreibPaare[0].schreibung1);
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
    if (wort.isEmpty() || wort.size() > maxWort)
        return ergebnis;
    // Letter case follows the word class, not the letters.
    const bool gross = wort[0].isUpper();
    const QString gk = istArtikel(kontext) && gross    ? QStringLiteral("GK1M")
                       : istTunwort(kontext) && !gross ? QStringLiteral("GK2M")
                       : istWiewort(kontext) && !gross ? QStringLiteral("GK3M")
                                                       : QString();
    if (!gk.isEmpty() && blockFuer(bloecke_, gk))
        ergebnis.append({gk, 1, wort.left(1), true, {}});

    QList<Treffer> treffer;
    std::optional<QString> laute;
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
            const bool vokal = s != haupt && s.size() == 1 && selbstlaute.contains(s[0]);
            if (s != haupt && !vokal && (s.size() < 2 || hauptSchreibungen_.contains(s)))
                continue;
            // ß or an umlaut is always the point, a plain letter that many words hold
            // (i, k, s …) only where the criterion looks at the word or the tip names the
            // letters before it.
            const bool sicher = s.size() >= 2 || eng || s[0] > u'z' || vokal ||
                                !wortcheck::buchstabenVor(b.kategorie.kmpTitel, s).isEmpty();
            const QString grund =
                sicher ? QString()
                       : QStringLiteral("ein einzelnes »%1« ist nicht immer die schwierige Stelle")
                             .arg(s);
            for (qsizetype q = wort.indexOf(s, 0, Qt::CaseInsensitive); q >= 0;
                 q = wort.indexOf(s, q + 1, Qt::CaseInsensitive)) {
                const int stelle = int(q) + 1;
                if ((regel.absolut && stelle != regel.nummer) || !passtUmfeld(b, wort, q, s))
                    continue;
                if (vokal) {
                    if (!laute)
                        laute = laute_(wort);
                    if (!langerSelbstlaut(b, wort, stelle, s, *laute))
                        continue;
                }
                const int vonPos = regel.absolut ? stelle : stelle - regel.nummer;
                if (vonPos >= 1)
                    treffer.append({{.code = b.code(),
                                     .vonPos = vonPos,
                                     .schreibung = wort.mid(q, s.size()),
                                     .grund = grund},
                                    stelle,
                                    vokal,
                                    gegensaetze(b, s)});
            }
        }
    }
    // Of the long-vowel exercises for one vowel, the one with the most wrong fillings: Wal
    // against Wahl and Waal, not only Waal.
    const auto besser = [&](const Treffer& t) {
        return std::any_of(treffer.begin(), treffer.end(), [&](const Treffer& a) {
            return a.vokal && a.stelle == t.stelle && a.gegensaetze > t.gegensaetze;
        });
    };
    const QList<Treffer> gefunden = treffer;
    treffer.removeIf(
        [&](const Treffer& t) { return ueberdeckt(t, gefunden) || (t.vokal && besser(t)); });
    for (Treffer& t : treffer) {
        if (!t.v.grund.isEmpty())
            continue;
        if (!laute)
            laute = laute_(wort);
        t.v.grund = gegenAussprache(t, wort, *laute);
    }
    for (Treffer& t : treffer)
        // Two categories for one spot (v as f or as w): the teacher decides.
        for (const Treffer& andere : treffer)
            if (andere.v.code != t.v.code && andere.stelle == t.stelle && t.v.grund.isEmpty())
                t.v.grund = QStringLiteral("dieselbe Stelle passt auch zu »%1«")
                                .arg(stellenName(andere.v, QString()));
    // A long vowel is what the word was chosen for only when it has no other spot (Schaf,
    // not Straße).
    const auto anderer = std::find_if(treffer.begin(), treffer.end(), [](const Treffer& t) {
        return t.v.grund.isEmpty() && !t.vokal;
    });
    for (Treffer& t : treffer) {
        if (t.vokal && t.v.grund.isEmpty() && anderer != treffer.end())
            t.v.grund =
                QStringLiteral("das Wort übt schon »%1«").arg(stellenName(anderer->v, QString()));
        t.v.sicher = t.v.grund.isEmpty();
        ergebnis.append(t.v);
    }
    return ergebnis;
}

} // namespace zafku::eigene
