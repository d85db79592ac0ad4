#pragma once

#include "game/AufgabenQuelle.h"
#include "game/Lampen.h"
#include "game/SpielAnzeige.h"
#include "game/ZeitAnzeige.h"
#include "glob/GlobModul.h"
#include "platform/AudioOutput.h"
#include "rdb/Aufgabe.h"
#include "support/TestZufall.h"

#include <QStringList>

#include <deque>
#include <functional>
#include <tuple>

namespace zafku::test {

using SkriptZufall = ::SkriptZufall;

class TestQuelle : public AufgabenQuelle {
  public:
    struct Eintrag {
        Aufgabe aufgabe;
        QString liste;
    };
    std::deque<Eintrag> folge;
    Aufgabe aktuell;
    int gezogen = 0;

    void oeffne(const QString&, const QString&) override {}
    QString getNextAufgabe() override {
        ++gezogen;
        if (folge.empty())
            return {};
        const Eintrag e = folge.front();
        folge.pop_front();
        aktuell = e.aufgabe;
        return e.liste;
    }
    const Aufgabe& aufgabe() const override { return aktuell; }
    int anzahlAufgaben() const override { return 42; }
    QString tippText() const override { return QStringLiteral("Lang: ie, kurz: i."); }
};

// Aufgabe for a word with its spot, as the database module reads it.
inline Aufgabe aufgabe(int refNr, const QString& wort, int vonPos, int laenge, int komplexInd = 1,
                       const QString& satz = QString()) {
    const QString lueck = wort.left(vonPos - 1) + u'_' + wort.mid(vonPos - 1 + laenge);
    return {refNr, wort, vonPos, laenge, lueck, {}, satz, komplexInd, 0, {}};
}

class TestAnzeige : public SpielAnzeige {
  public:
    struct Slot {
        int bild = -1;
        QString name;
        std::array<Farbe, 25> felder{};
    };
    std::array<Slot, 4> karten;
    QStringList meldungen; // "titel: text"
    QStringList antworten; // answers to give, in order; "OK" when none left
    // Runs while a message is open, as the game's timers may.
    std::function<void()> waehrendMeldung;
    int nichtDruckbar = 0, fokus = 0;
    QString wortZeile, satz, kontext, punkte, zafkus, feldKennung;
    QStringList liste;
    int auswahl = -2;
    bool menues = true;

    QString zeigeMeldung(const QString& text, const QString& knopf1, const QString&,
                         const QString& titel) override {
        meldungen.append(titel + QStringLiteral(": ") + text);
        if (waehrendMeldung)
            waehrendMeldung();
        if (antworten.isEmpty())
            return QString(knopf1).remove(u'&');
        return antworten.takeFirst();
    }
    void zeigeNichtDruckbar() override { ++nichtDruckbar; }
    void zeigeKategorie(const QString&, const QString&) override {}
    void zeigeAnzahlAufgaben(int) override {}
    void setzeTippText(const QString&) override {}
    void zeigeSlot(int slot, int bild, const QString& name,
                   const std::array<Farbe, 25>& felder) override {
        karten[slot] = {bild, name, felder};
    }
    void faerbeFeld(int slot, int feld, Farbe farbe) override {
        karten[slot].felder[feld - 1] = farbe;
    }
    void zeigeAufgabe(const QString& k, const QString& w, const QString& s,
                      const QStringList& l) override {
        std::tie(kontext, wortZeile, satz, liste) = std::tie(k, w, s, l);
    }
    void setzeListenAuswahl(int index) override { auswahl = index; }
    void fokusAufEinsetzen() override { ++fokus; }
    void aktiviereListe() override {}
    void zeigePunkte(const QString& p, const QString& z) override {
        std::tie(punkte, zafkus) = std::tie(p, z);
    }
    void zeigeFeldKennung(const QString& k) override { feldKennung = k; }
    void setzeMenues(bool f) override { menues = f; }
    // The waiting window returns at once here; a test drives its ticks by hand.
    int compZugFenster = 0;
    void zeigeCompZug() override { ++compZugFenster; }
};

class TestLampen : public LampenAnzeige {
  public:
    bool rot = false, gelb = false, gruen = false, rotLabel = false, gelbLabel = false,
         timer = false;
    void zeigeLampe(Lampe l, bool an) override {
        (l == Lampe::Fehler ? rot : l == Lampe::Zafku ? gelb : gruen) = an;
    }
    void faerbeLabel(Lampe l, bool aktiv) override {
        (l == Lampe::Fehler ? rotLabel : gelbLabel) = aktiv;
    }
    void lampenTimer(bool laeuft) override { timer = laeuft; }
};

class TestAudio : public AudioOutput {
  public:
    QStringList gespielt;
    QStringList* log = nullptr; // notes "play file" and "close sound" in a shared log
    void play(const QString& pfad) override {
        gespielt.append(pfad);
        if (log)
            log->append("play " + pfad.section('/', -1));
    }
    void close() override {
        if (log)
            log->append("close sound");
    }
};

class TestZeit : public ZeitAnzeige {
  public:
    VuLinie zeiger;
    bool skalaEin = false, restZeitLaeuft = false, energLaeuft = false;
    RestZeitStand stand;
    int enden = 0;
    void zeigeVuZeiger(const VuLinie& l) override { zeiger = l; }
    void zeigeVuSkala(bool ein) override { skalaEin = ein; }
    void zeigeRestZeitStand(const RestZeitStand& s) override { stand = s; }
    void restZeitTimer(bool l) override { restZeitLaeuft = l; }
    void energTimer(bool l) override { energLaeuft = l; }
    void programmEnde() override { ++enden; }
};

} // namespace zafku::test
