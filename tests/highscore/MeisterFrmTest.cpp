#include "highscore/MeisterFrm.h"
#include "dialogs/ModalAntwort.h"
#include "highscore/MeisterListe.h"
#include "highscore/SqliteMeisterSpeicher.h"
#include "support/TestHilfe.h"

#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using namespace zafku;

namespace {

// Shows the list and presses F1 and then Return in it.
void zeigeUndSchliesse(MeisterFrm& frm) {
    beiModalemDialog([](QDialog* d) {
        QTest::keyClick(d, Qt::Key_F1);
        QTest::keyClick(d, Qt::Key_Return);
    });
    frm.zeige();
}

TEST(MeisterFrm, ShowsTheListAsAtItsFirstShowing) {
    QTemporaryDir dir;
    MeisterListe liste(std::make_unique<SqliteMeisterSpeicher>(dir.filePath("Meister.mdb")));
    const auto trageEin = [&](const char* name, int punkte) {
        liste.pruefeEintrag({name, MeisterListe::programm(), "05.12.2026", punkte});
    };
    trageEin("Anna", 40);
    trageEin("Tim", 75);
    TestHilfe hilfe;
    MeisterFrm frm(liste, &hilfe, "Zafku.chm");
    zeigeUndSchliesse(frm);
    EXPECT_FALSE(frm.isVisible()); // Return pressed the default button
    EXPECT_EQ(hilfe.aufrufe, QStringList{"Zafku.chm:" + QString::number(MeisterFrm::kHilfeThema)});
    EXPECT_EQ(frm.MstNameLbl->text() + frm.PunkteLbl->text(), "Tim\nAnna\n75\n40\n");
    EXPECT_EQ(frm.MstNameLbl->textFormat(), Qt::PlainText); // names are never markup

    trageEin("Ida", 90);
    zeigeUndSchliesse(frm);
    EXPECT_EQ(frm.MstNameLbl->text(), "Tim\nAnna\n");
}

} // namespace
