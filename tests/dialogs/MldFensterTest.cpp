#include "dialogs/MldFenster.h"
#include "ModalAntwort.h"

#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

using namespace zafku;

namespace {

int rechts(const QWidget* w, const QWidget* fenster) {
    return w->mapTo(fenster, QPoint(w->width(), 0)).x();
}

QPushButton* knopf(const QWidget* d, const char* name) {
    return d->findChild<QPushButton*>(name);
}

void taste(QDialog* d, Qt::Key key) {
    QTest::keyClick(d->focusWidget() ? d->focusWidget() : d, key);
}

} // namespace

TEST(MldFenster, SizesItselfToTheText) {
    MldFenster f;
    const auto* meldung = f.findChild<QLabel*>("Meldung");
    const auto* rahmen = f.findChild<QGroupBox*>("MldFrame");
    f.bereiteVor("kurz", "&OK", "", "T");
    const QSize einzeilig = f.size();
    for (const QString text : {"kurz\rkurz", "kurz\rDies ist eine deutlich längere Zeile"}) {
        f.bereiteVor(text, "&OK", "", "T");
        EXPECT_NEAR(f.height() - einzeilig.height(), QFontMetrics(meldung->font()).lineSpacing(),
                    2);
        EXPECT_LT(rechts(meldung, &f), rechts(rahmen, &f));
        EXPECT_LT(rechts(rahmen, &f), f.width());
    }
    EXPECT_GT(f.width(), einzeilig.width());
}

// A text wider than the screen wraps and keeps every character; a huge name is shortened
// in its middle.
TEST(MldFenster, ATextTooWideForTheScreenWrapsOrIsShortened) {
    const QString pfad = "/host/" + QString(300, u'x') + "/Vokra.ini";
    const std::pair<QString, bool> faelle[] = {
        {"Die Datei " + pfad + " fehlt.", false},
        {QString(60, u'a').append(" b").repeated(8), false},
        {"Die Datei " + QString(100000, u'A') + ".tmp fehlt.", true},
        {"Die Datei " + QString("Anna ").repeated(20000) + "fehlt.", true},
    };
    MldFenster f;
    const QSize schirm = f.screen()->availableGeometry().size();
    for (const auto& [text, gekuerzt] : faelle) {
        f.bereiteVor(text, "&OK", "", "Laufzeitfehler");
        const auto* meldung = f.findChild<QLabel*>("Meldung");
        const QPushButton* ok = knopf(&f, "Btn1");
        EXPECT_LE(f.width(), schirm.width());
        EXPECT_LE(f.height(), schirm.height() - 30); // room for the caption bar
        EXPECT_TRUE(rechts(meldung, &f) <= f.width() && rechts(ok, &f) <= f.width());
        EXPECT_LE(ok->geometry().bottom(), f.height());
        QString gezeigt = meldung->text();
        if (gekuerzt)
            EXPECT_TRUE(gezeigt.startsWith("Die Datei") && gezeigt.endsWith("fehlt.") &&
                        gezeigt.contains(QChar(0x2026)))
                << qPrintable(gezeigt.left(40));
        else // only line breaks were added
            EXPECT_EQ(gezeigt.remove(u'\n').remove(u' '), QString(text).remove(u' '));
    }
}

TEST(MldFenster, PlacesOneButtonCentredAndTwoAtTheirPlaces) {
    MldFenster f;
    f.bereiteVor("Bist du sicher, dass du das\rwirklich willst?", "&ja", "&nein", "Neues Spiel");
    const auto* rahmen = f.findChild<QGroupBox*>("MldFrame");
    QPushButton* btn1 = knopf(&f, "Btn1");
    QPushButton* btn2 = knopf(&f, "Btn2");
    EXPECT_TRUE(btn1->isVisibleTo(&f) && btn2->isVisibleTo(&f));
    EXPECT_LT(btn1->geometry().right(), btn2->x());
    EXPECT_NEAR(rechts(btn2, &f), rechts(rahmen, &f), 1);
    EXPECT_EQ(btn1->y(), btn2->y());
    EXPECT_GT(btn1->y(), rahmen->geometry().bottom());

    for (const auto& [k1, k2] : {std::pair{"&OK", ""}, std::pair{"", "&Abbrechen"}}) {
        f.bereiteVor("Weiter", k1, k2, "Fehler");
        QPushButton* einziger = *k1 ? btn1 : btn2;
        EXPECT_FALSE((*k1 ? btn2 : btn1)->isVisibleTo(&f));
        EXPECT_TRUE(einziger->isVisibleTo(&f));
        EXPECT_NEAR(einziger->x() + einziger->width() / 2.0, f.width() / 2.0, 1.5);
    }
}

TEST(MldFenster, AnswerIsCaptionWithoutAmpersands) {
    const std::pair<QString, QString> faelle[] = {
        {"&OK", "OK"}, {"&nein", "nein"}, {"OK", "OK"}, {"&&", ""}, {"Sp&ei&chern", "Speichern"},
    };
    MldFenster f;
    for (const auto& [beschriftung, antwort] : faelle) {
        f.setzeAntwort(beschriftung);
        EXPECT_EQ(f.antwort(), antwort) << beschriftung.toStdString();
    }
}

TEST(MldFenster, ModalQuestionReportsPressedButton) {
    const std::pair<std::function<void(QDialog*)>, QString> faelle[] = {
        {[](QDialog* d) { knopf(d, "Btn1")->click(); }, "ja"},
        {[](QDialog* d) { knopf(d, "Btn2")->click(); }, "nein"},
        {[](QDialog* d) { taste(d, Qt::Key_Return); }, "ja"},
        {[](QDialog* d) { taste(d, Qt::Key_Escape); }, "nein"},
        {[](QDialog* d) { d->close(); }, ""},
    };
    MldFenster f;
    for (const auto& [aktion, antwort] : faelle) {
        f.setzeAntwort("alt");
        beiModalemDialog(aktion);
        f.zeigeMeldung("Neues Spiel?", "&ja", "&nein", "Neues Spiel");
        EXPECT_EQ(f.antwort(), antwort);
        EXPECT_FALSE(f.isVisible());
    }
}
