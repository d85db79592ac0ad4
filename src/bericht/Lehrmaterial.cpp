#include "Lehrmaterial.h"

#include "platform/HostPath.h"
#include "platform/HostTextFile.h"
#include "platform/SqliteDatabase.h"
#include "platform/SqliteRecordSet.h"
#include "rdb/KategorienTabelle.h"
#include "rdb/KmpDatei.h"

namespace zafku::bericht {

Lehrmaterial::Lehrmaterial(const QString& appPfad) {
    const QList<TspEintrag> tsp = leseTsp(appPfad);
    for (const TspEintrag& e : tsp)
        if (!e.ueberschrift)
            titel_.insert(e.code, e.titel);

    db_ = std::make_unique<SqliteDatabase>(resolveHostPath(appPfad, QStringLiteral("Vokra-D.mdb")),
                                           SqliteDatabase::Zugriff::Unveraenderlich);
    woerter_ = std::make_unique<SqliteRecordSet>(*db_, QStringLiteral("WortListe"));
    lupen_ = std::make_unique<SqliteRecordSet>(*db_, QStringLiteral("LupenStellen"));
    SqliteStatement zaehlung = lupen_->select(QStringLiteral("Vesk"), QStringLiteral("1=1"));
    // Counted per number first: a key per row would cost a string each.
    QHash<int, int> proVesk;
    while (zaehlung.step())
        ++proVesk[int(zaehlung.int64(0))];
    for (auto it = proVesk.cbegin(); it != proVesk.cend(); ++it)
        markenAnzahl_[code(it.key())] += it.value();

    const QString kmpPfad = resolveHostPath(appPfad, QStringLiteral("Vokra.kmp"));
    if (const auto kmp = readHostText(kmpPfad))
        uebungen_ = leseKmpUebungen(*kmp, kategorienTabelle(), QStringLiteral("Vokra.kmp"));
}

Lehrmaterial::~Lehrmaterial() = default;

const Wort* Lehrmaterial::wort(int refNr) {
    auto it = cache_.find(refNr);
    if (it == cache_.end()) {
        std::shared_ptr<Wort> gefunden;
        const QString refFeld = QStringLiteral("RefNr");
        woerter_->findFirst(refFeld, refNr);
        if (!woerter_->noMatch()) {
            gefunden = std::make_shared<Wort>(
                Wort{woerter_->field(QStringLiteral("Wort")).toString(), {}});
            for (lupen_->findFirst(refFeld, refNr); !lupen_->noMatch();
                 lupen_->findNext(refFeld, refNr))
                gefunden->marken.append({lupen_->field(QStringLiteral("Vesk")).toInt(),
                                         lupen_->field(QStringLiteral("vonPos")).toInt()});
        }
        it = cache_.insert(refNr, gefunden);
    }
    return it->get();
}

QList<int> Lehrmaterial::woerterMitMarke(const QString& code) {
    QList<int> nummern;
    const int vesk = int(kategorienTabelle().indexOf(code)) + 1;
    SqliteStatement abfrage =
        lupen_->select(QStringLiteral("RefNr"), QStringLiteral("Vesk=%1").arg(vesk));
    while (abfrage.step())
        if (!nummern.contains(int(abfrage.int64(0))))
            nummern.append(int(abfrage.int64(0)));
    return nummern;
}

QString Lehrmaterial::code(int vesk) {
    const QStringList& tabelle = kategorienTabelle();
    return vesk >= 1 && vesk <= tabelle.size() ? tabelle[vesk - 1] : QString();
}

QString Lehrmaterial::titel(const QString& code) const {
    return titel_.value(code, code);
}

} // namespace zafku::bericht
