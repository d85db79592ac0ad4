#pragma once

#include <QList>
#include <QString>

#include <cstdint>
#include <optional>

namespace zafku {

// One row of the table "Punkte".
struct MeisterEintrag {
    QString name;
    QString programm;
    QString datum;
    std::int32_t punkte = 0;

    bool operator==(const MeisterEintrag&) const = default;
};

// Where the high-score table lives. Every operation raises LaufzeitFehler with a German
// text that names the store and what is wrong. A store holds a connection only between
// oeffneTabelle and schliesseDb, or within oeffneListe.
class MeisterSpeicher {
  public:
    virtual ~MeisterSpeicher() = default;

    // The store as a message names it, never with a password.
    virtual QString bezeichnung() const = 0;

    // Connects, creates the table when it is missing and starts one transaction in which
    // no other offer of programm runs. Closing without schliesseDb drops the transaction.
    virtual void oeffneTabelle(const QString& programm) = 0;
    virtual int zaehleEintraege(const QString& programm) = 0;
    // Smallest points among programm's rows; none without rows.
    virtual std::optional<std::int32_t> kleinstePunkte(const QString& programm) = 0;
    virtual void fuegeEintragEin(const MeisterEintrag& eintrag) = 0;
    // Deletes one row of programm with exactly these points, if there is one.
    virtual void loescheEintrag(const QString& programm, std::int32_t punkte) = 0;
    // Commits and disconnects.
    virtual void schliesseDb() = 0;
    // Drops an open transaction and disconnects; never raises.
    virtual void verwirf() = 0;

    // programm's rows by points descending; a missing table or database is an empty list.
    virtual QList<MeisterEintrag> oeffneListe(const QString& programm) = 0;
};

} // namespace zafku
