#include "Bericht.h"

#include "Deutung.h"
#include "Lehrmaterial.h"
#include "Protokoll.h"
#include "kartei/Wortkartei.h"
#include "platform/LaufzeitFehler.h"

#include <QDir>
#include <QFile>
#include <QSet>

#include <algorithm>

namespace zafku::bericht {

namespace {

struct Deutungen {
    QList<Deutung> liste;
    QSet<int> uebungen; // exercises that could have asked the word
};

struct Zeile {
    Antwort antwort;
    const Wort* wort = nullptr;
    Deutungen deutungen;
};

class Auswertung {
  public:
    explicit Auswertung(const QString& appPfad) : material_(appPfad) {}

    KindBericht kind(const QString& datei, const QString& name, const ProtokollDatei& p);
    Lehrmaterial& material() { return material_; }

  private:
    Deutungen deute(const Wort& wort, const Antwort& a);
    void ordneZu(QList<Zeile>& abschnitt, const QSet<int>& gemeinsam, KindBericht& k,
                 QHash<QString, Bereich>& bereiche, QHash<QString, FehlerWort>& woerter);
    void zaehle(const Zeile& z, const Deutung* d, KindBericht& k, QHash<QString, Bereich>& bereiche,
                QHash<QString, FehlerWort>& woerter);

    Lehrmaterial material_;
    QHash<QPair<int, QString>, Deutungen> deutungen_;
};

Deutungen Auswertung::deute(const Wort& wort, const Antwort& a) {
    const QPair<int, QString> schluessel{a.refNr, a.ok ? QString() : a.geschrieben};
    auto it = deutungen_.find(schluessel);
    if (it == deutungen_.end()) {
        QList<Deutung> d = deutungen(material_.uebungen(), wort,
                                     a.ok ? std::nullopt : std::optional(a.geschrieben));
        // Only the best fits of a wrong answer count.
        if (!d.isEmpty())
            d.erase(std::find_if(d.begin(), d.end(),
                                 [&](const Deutung& x) { return x.guete < d.first().guete; }),
                    d.end());
        Deutungen neu{d, {}};
        for (const Deutung& x : d)
            neu.uebungen.insert(x.uebung);
        it = deutungen_.insert(schluessel, neu);
    }
    return *it;
}

void Auswertung::zaehle(const Zeile& z, const Deutung* d, KindBericht& k,
                        QHash<QString, Bereich>& bereiche, QHash<QString, FehlerWort>& woerter) {
    const QString code = d ? d->kategorie : QString();
    Bereich& b = bereiche[code];
    b.code = code;
    ++k.antworten;
    if (z.antwort.ok) {
        ++k.richtig;
        ++b.richtig;
        return;
    }
    ++b.falsch;
    const Deutung stelle = d ? *d : unterschied(z.wort->wort, z.antwort.geschrieben);
    ++b.verwechslungen[verwechslungsText(stelle.richtig, stelle.geschrieben)];
    FehlerWort& w = woerter[z.wort->wort];
    w.wort = z.wort->wort;
    ++w.schreibungen[z.antwort.geschrieben];
}

// The lines of one stretch of play could all come from the exercises in gemeinsam; the
// exercise of the rarest category is taken, and each line counts for its spot there.
void Auswertung::ordneZu(QList<Zeile>& abschnitt, const QSet<int>& gemeinsam, KindBericht& k,
                         QHash<QString, Bereich>& bereiche, QHash<QString, FehlerWort>& woerter) {
    int wahl = -1;
    for (const int u : gemeinsam) {
        const auto seltenheit = [&](int x) {
            return std::pair(material_.markenAnzahl(material_.uebungen()[x].kmpKennung), x);
        };
        if (wahl < 0 || seltenheit(u) < seltenheit(wahl))
            wahl = u;
    }
    for (const Zeile& z : abschnitt) {
        const Deutung* passend = nullptr;
        for (const Deutung& d : z.deutungen.liste) {
            if (d.uebung == wahl) {
                passend = &d;
                break;
            }
        }
        if (!passend && !z.deutungen.liste.isEmpty())
            passend = &z.deutungen.liste.first();
        zaehle(z, passend, k, bereiche, woerter);
    }
    abschnitt.clear();
}

KindBericht Auswertung::kind(const QString& datei, const QString& name, const ProtokollDatei& p) {
    KindBericht k;
    k.datei = datei;
    k.name = name;
    const auto unbrauchbar = [&](int zeile, const QString& text, const QString& grund) {
        if (k.unbrauchbar.size() < maxGenannt)
            k.unbrauchbar.append({zeile, zitat(text), grund});
    };
    if (!p.dateiFehler.isEmpty())
        k.hinweise.append(p.dateiFehler);
    if (!p.fremdeKodierung.isEmpty()) {
        k.unbrauchbarAnzahl = int(p.zeilen.size());
        unbrauchbar(0, {},
                    QStringLiteral("Die Datei ist in %1 geschrieben, nicht in Windows-1252; "
                                   "ihre %2 Zeilen wurden nicht gelesen.")
                        .arg(p.fremdeKodierung)
                        .arg(p.zeilen.size()));
        return k;
    }

    QHash<QString, Bereich> bereiche;
    QHash<QString, FehlerWort> woerter;
    QList<Zeile> abschnitt;
    QSet<int> gemeinsam;
    for (const ProtokollZeile& pz : p.zeilen) {
        if (pz.text.size() > kMaxZeilenLaenge) {
            ++k.unbrauchbarAnzahl;
            unbrauchbar(pz.nummer, pz.text, QStringLiteral("zu lange Zeile"));
            continue;
        }
        const auto antwort = leseZeile(pz.text);
        if (!antwort) {
            ++k.unbrauchbarAnzahl;
            unbrauchbar(pz.nummer, pz.text, QStringLiteral("beschädigte Zeile"));
            continue;
        }
        Zeile z{*antwort, material_.wort(antwort->refNr), {}};
        if (!z.wort) {
            ++k.unbrauchbarAnzahl;
            unbrauchbar(
                pz.nummer, pz.text,
                QStringLiteral("Wortnummer %1 fehlt in der Wortdatenbank").arg(antwort->refNr));
            continue;
        }
        z.deutungen = deute(*z.wort, *antwort);
        const QSet<int>& moeglich = z.deutungen.uebungen;
        if (!moeglich.isEmpty()) {
            if (!abschnitt.isEmpty() && !gemeinsam.intersects(moeglich))
                ordneZu(abschnitt, gemeinsam, k, bereiche, woerter);
            if (abschnitt.isEmpty())
                gemeinsam = moeglich;
            else if (!moeglich.contains(gemeinsam))
                gemeinsam.intersect(moeglich);
        }
        abschnitt.append(z);
    }
    ordneZu(abschnitt, gemeinsam, k, bereiche, woerter);

    for (Bereich& b : bereiche) {
        b.titel = b.code.isEmpty() ? QStringLiteral("ohne Zuordnung") : material_.titel(b.code);
        k.bereiche.append(b);
    }
    std::sort(k.bereiche.begin(), k.bereiche.end(), [](const Bereich& a, const Bereich& b) {
        return std::tuple(-a.falsch, -a.antworten(), a.titel) <
               std::tuple(-b.falsch, -b.antworten(), b.titel);
    });
    k.woerter = woerter.values();
    std::sort(k.woerter.begin(), k.woerter.end(), [](const FehlerWort& a, const FehlerWort& b) {
        return std::pair(-a.anzahl(), a.wort) < std::pair(-b.anzahl(), b.wort);
    });
    return k;
}

} // namespace

int FehlerWort::anzahl() const {
    int n = 0;
    for (const int x : schreibungen)
        n += x;
    return n;
}

bool unsicher(const Bereich& b) {
    return b.falsch >= 2 && 3 * b.falsch >= b.antworten();
}

namespace {

// Reads the new lines into the boxes; a store that fails leaves the report without boxes.
QMap<QString, kartei::KindKartei> leseKartei(Auswertung& auswertung, const QString& appPfad,
                                             const BerichtWahl& wahl, Bericht& bericht) {
    if (!wahl.kartei)
        return {};
    try {
        kartei::leseAlleNeuenZeilen(*wahl.kartei, appPfad, wahl.heute, [&](int refNr) {
            return auswertung.material().wort(refNr) != nullptr;
        });
        return wahl.kartei->alle();
    } catch (const LaufzeitFehler& f) {
        bericht.karteiFehler = f.text();
        return {};
    }
}

KarteiUebersicht uebersicht(const kartei::KindKartei& k, QDate heute) {
    KarteiUebersicht u;
    for (const kartei::Karte& karte : k.karten) {
        ++u.proFach[karte.fach];
        if (karte.fach != kartei::kGelernt && karte.faellig <= heute)
            ++u.faellig;
    }
    return u;
}

} // namespace

Bericht erstelleBericht(const QString& appPfad, const QHash<QString, QString>& namen,
                        const BerichtWahl& wahl) {
    Auswertung auswertung(appPfad);
    Bericht bericht;
    bericht.ordner = QDir(appPfad).absolutePath();
    const auto karteien = leseKartei(auswertung, appPfad, wahl, bericht);
    if (wahl.nurDieseWoche && wahl.kartei)
        bericht.ab = wahl.heute.addDays(1 - wahl.heute.dayOfWeek());
    for (const ProtokollName& d : protokollNamen(appPfad)) {
        ProtokollDatei p = leseProtokollDatei(d.pfad);
        const bool gelesen = p.dateiFehler.isEmpty() || !p.zeilen.isEmpty();
        // A file the game only created holds nothing to report.
        if (p.zeilen.isEmpty() && p.fremdeKodierung.isEmpty() && p.dateiFehler.isEmpty())
            continue;
        const kartei::KindKartei kk = karteien.value(d.basis);
        p.zeilen.removeIf([&](const ProtokollZeile& z) {
            return !kartei::imZeitraum(kk.lesungen, z.nummer, bericht.ab);
        });
        KindBericht k = auswertung.kind(d.basis, namen.value(d.basis, d.basis), p);
        k.kartei = uebersicht(kk, wahl.heute);
        k.gelesen = gelesen;
        if (!d.utf8)
            k.hinweise.append(QStringLiteral("Der Dateiname ist nicht in UTF-8 geschrieben; er "
                                             "wurde als Windows-1252 gelesen."));
        bericht.kinder.append(k);
    }

    QHash<QString, KlassenBereich> klasse;
    for (const KindBericht& k : bericht.kinder) {
        for (const Bereich& b : k.bereiche) {
            if (b.code.isEmpty())
                continue;
            KlassenBereich& kb = klasse[b.code];
            kb.code = b.code;
            kb.titel = b.titel;
            kb.richtig += b.richtig;
            kb.falsch += b.falsch;
            if (unsicher(b))
                kb.kinder.append(k.name);
        }
    }
    for (const KlassenBereich& kb : klasse)
        if (!kb.kinder.isEmpty())
            bericht.schwierig.append(kb);
    std::sort(bericht.schwierig.begin(), bericht.schwierig.end(),
              [](const KlassenBereich& a, const KlassenBereich& b) {
                  return std::tuple(-a.kinder.size(), -a.falsch, a.titel) <
                         std::tuple(-b.kinder.size(), -b.falsch, b.titel);
              });
    for (int i = 0; i < bericht.kinder.size(); ++i)
        if (bericht.kinder[i].antworten > 0)
            bericht.zuerstHelfen.append(i);
    std::stable_sort(bericht.zuerstHelfen.begin(), bericht.zuerstHelfen.end(), [&](int a, int b) {
        return bericht.kinder[a].anteil() < bericht.kinder[b].anteil();
    });
    return bericht;
}

} // namespace zafku::bericht
