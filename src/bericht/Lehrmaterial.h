#pragma once

#include "Kategorienliste.h"
#include "rdb/Kategorie.h"

#include <QHash>
#include <QList>
#include <QString>

#include <memory>

namespace zafku {
class SqliteDatabase;
class SqliteRecordSet;
} // namespace zafku

namespace zafku::bericht {

struct Marke {
    int vesk = 0;
    int vonPos = 0;
};

struct Wort {
    QString wort;
    QList<Marke> marken;
};

// What the host folder says about words and categories: the spelling database, the
// exercise blocks of Vokra.kmp and the titles of Vokra.tsp. Words are looked up once.
class Lehrmaterial {
  public:
    // Raises LaufzeitFehler when Vokra-D.mdb or Vokra.tsp cannot be read. A missing
    // Vokra.kmp only leaves the exercises empty.
    explicit Lehrmaterial(const QString& appPfad);
    ~Lehrmaterial();

    // Numbers of the words with a marked spot of the category, in table order.
    QList<int> woerterMitMarke(const QString& code);
    // nullptr for a number the database does not know.
    const Wort* wort(int refNr);

    const QList<Kategorie>& uebungen() const { return uebungen_; }
    // Category key of a LupenStellen.Vesk number, "" when there is none.
    static QString code(int vesk);
    // Title of a category in Vokra.tsp; the key itself when it is not listed.
    QString titel(const QString& code) const;
    // Marker rows of a category in the database; the rarer a category, the more likely a
    // word carrying it was practised for it.
    int markenAnzahl(const QString& code) const { return markenAnzahl_.value(code); }

  private:
    std::unique_ptr<SqliteDatabase> db_;
    std::unique_ptr<SqliteRecordSet> woerter_, lupen_;
    // Shared pointers: the words stay where they are when the table grows.
    QHash<int, std::shared_ptr<const Wort>> cache_;
    QList<Kategorie> uebungen_;
    QHash<QString, QString> titel_;
    QHash<QString, int> markenAnzahl_;
};

} // namespace zafku::bericht
