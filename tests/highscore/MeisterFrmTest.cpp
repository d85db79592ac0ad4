#include "highscore/MeisterFrm.h"
#include "dialogs/ModalAntwort.h"
#include "highscore/MeisterListe.h"
#include "highscore/SqliteMeisterSpeicher.h"
#include "platform/HelpViewer.h"

#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using namespace zafku;

namespace {

class Hilfe : public HelpViewer {
  public:
    QList<long> themen;
    void showTopic(const QString&, long t) override { themen.append(t); }
    void showDefault(const QString&) override {}
    void closeAll(const QString&) override {}
};

void trageEin(MeisterListe& liste, const QString& name, int punkte) {
    liste.pruefeEintrag({name, MeisterListe::programm(), QStringLiteral("05.12.2026"), punkte});
}

// Shows the list; F1 and then Return are pressed in it.
void zeigeUndSchliesse(MeisterFrm& frm) {
    beiModalemDialog([](QDialog* d) {
        QTest::keyClick(d, Qt::Key_F1);
        QTest::keyClick(d, Qt::Key_Return);
    });
    frm.zeige();
}

TEST(MeisterFrm, ShowsTheListAsAtItsFirstShowing) {
    QTemporaryDir dir;
    MeisterListe liste(
        std::make_unique<SqliteMeisterSpeicher>(dir.filePath(QStringLiteral("Meister.mdb"))));
    trageEin(liste, QStringLiteral("Anna"), 40);
    trageEin(liste, QStringLiteral("Tim"), 75);
    Hilfe hilfe;
    MeisterFrm frm(liste, &hilfe, QStringLiteral("Zafku.chm"));

    zeigeUndSchliesse(frm);
    EXPECT_FALSE(frm.isVisible()); // Return pressed the default button
    EXPECT_EQ(hilfe.themen, QList<long>{MeisterFrm::kHilfeThema});
    EXPECT_EQ(frm.lfdNrLbl->text(), "1.\n2.\n");
    EXPECT_EQ(frm.MstNameLbl->text(), "Tim\nAnna\n");
    EXPECT_EQ(frm.PunkteLbl->text(), "75\n40\n");
    EXPECT_TRUE(frm.fehlerLbl->isHidden());

    trageEin(liste, QStringLiteral("Ida"), 90);
    zeigeUndSchliesse(frm);
    EXPECT_EQ(frm.MstNameLbl->text(), "Tim\nAnna\n");
}

TEST(MeisterFrm, ShowsAnEmptyListWithTheMessageWhenTheStoreFails) {
    QTemporaryDir dir;
    const QString mdb = dir.filePath(QStringLiteral("Meister.mdb"));
    QFile f(mdb);
    f.open(QIODevice::WriteOnly);
    f.write("kein SQLite");
    f.close();
    MeisterListe liste(std::make_unique<SqliteMeisterSpeicher>(mdb));
    MeisterFrm frm(liste);
    zeigeUndSchliesse(frm);
    EXPECT_EQ(frm.MstNameLbl->text(), QString());
    EXPECT_FALSE(frm.fehlerLbl->isHidden());
    EXPECT_TRUE(frm.fehlerLbl->text().contains(mdb)) << frm.fehlerLbl->text().toStdString();
}

} // namespace
