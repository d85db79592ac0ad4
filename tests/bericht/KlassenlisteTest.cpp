#include "bericht/Klassenliste.h"
#include "bericht/BerichtNamen.h"
#include "support/TempHost.h"


#include <gtest/gtest.h>

using namespace zafku::bericht;

TEST(Klassenliste, ReadsWhatItWritesAndNamesEveryLineItCannotRead) {
    const QList<KlassenKind> kinder = {{"Anna Sommer", "anna_sommer"}, {"Jörg", "joerg"}};
    const Klassenliste gelesen = leseKlassenliste(klassenlistenText(kinder));
    EXPECT_EQ(gelesen.kinder, kinder);
    EXPECT_TRUE(gelesen.fehler.isEmpty());

    const Klassenliste hand = leseKlassenliste("ben\t Ben B. \r\n"
                                               "# Kommentar\r\n"
                                               "\n"
                                               "ohne tab\n"
                                               "Gross\tName\n"
                                               "leer\t \n"
                                               "ben\tBenno\n"
                                               "cem\tCem\n");
    EXPECT_EQ(hand.kinder, (QList<KlassenKind>{{"Ben B.", "ben"}, {"Cem", "cem"}}));
    ASSERT_EQ(hand.fehler.size(), 4);
    for (int i = 0; i < 4; ++i)
        EXPECT_TRUE(hand.fehler[i].startsWith(QStringLiteral("Zeile %1 ").arg(i + 4)))
            << hand.fehler[i].toStdString();
}

TEST(Klassenliste, IsSavedInUserAndItsNamesOverruleRememberedOnes) {
    EigeneEinstellungen einstellungen;
    merkeName("anna", "Anna alt");
    merkeName("ben", "Ben");
    TempHost host;
    EXPECT_TRUE(ladeKlassenliste(host.path()).kinder.isEmpty());
    ASSERT_EQ(speichereKlassenliste(host.path(), {{"Anna Sommer", "anna"}}), "");
    EXPECT_TRUE(host.readBytes("User/Klasse.txt").contains("anna\tAnna Sommer\n"));
    const QHash<QString, QString> namen = namenDerKinder(host.path());
    EXPECT_EQ(namen.value("anna"), "Anna Sommer");
    EXPECT_EQ(namen.value("ben"), "Ben");
}

