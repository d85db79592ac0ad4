#pragma once

#include "support/TempHost.h"

#include <QDir>
#include <QImage>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

// What a window shows, against what is stored in the area's bilder/ folder. To change one on
// purpose, ZAFKU_BILDER_NEU=1 stores the new ones: look at each before committing.
template <typename Speichern>
::testing::AssertionResult wieGespeichert(const QString& name, const QString& datei, bool gleich,
                                          Speichern speichere) {
    if ((qEnvironmentVariableIsSet("ZAFKU_BILDER_NEU") && speichere(datei)) || gleich)
        return ::testing::AssertionSuccess();
    const QString neu = QDir::temp().filePath("zafku-" + QFileInfo(datei).fileName());
    speichere(neu);
    return ::testing::AssertionFailure() << name.toStdString() << " differs from "
                                         << datei.toStdString() << ", see " << neu.toStdString();
}

// What a window draws, pixel for pixel.
inline ::testing::AssertionResult siehtAusWie(QWidget& fenster, const QString& name) {
    fenster.show();
    const QImage ist = fenster.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QString datei = QStringLiteral(ZAFKU_BILDER "/%1.png").arg(name);
    return wieGespeichert(name, datei, QImage(datei).convertToFormat(QImage::Format_RGB32) == ist,
                          [&](const QString& d) { return ist.save(d); });
}

// Every control of a window with its name and place, and every timer with its interval.
inline QString lageplan(const QObject& o, const QString& einzug = {}) {
    QString plan;
    for (const QObject* k : o.children()) {
        const QString zeile = einzug + k->metaObject()->className() + ' ' + k->objectName();
        if (const auto* t = qobject_cast<const QTimer*>(k))
            plan += zeile + QString::asprintf(" %d ms\n", t->interval());
        // Other windows have plans of their own, Qt's inner parts none.
        const auto* w = qobject_cast<const QWidget*>(k);
        if (!w || w->isWindow() || w->objectName().startsWith("qt_"))
            continue;
        const QRect g = w->geometry();
        plan += zeile + QString::asprintf(" %d,%d %dx%d\n", g.x(), g.y(), g.width(), g.height()) +
                lageplan(*w, einzug + "  ");
    }
    return plan;
}

// A text, such as a window's plan or a generated page, against its stored copy.
inline ::testing::AssertionResult stehtWie(const QString& text, const QString& name) {
    const QByteArray ist = text.toUtf8();
    const QString datei = QStringLiteral(ZAFKU_BILDER "/%1").arg(name);
    return wieGespeichert(name, datei, leseDatei(datei) == ist, [&](const QString& d) {
        schreibeDatei(d, ist);
        return true;
    });
}

// Where a window places its controls, against its stored plan.
inline ::testing::AssertionResult liegtWie(QWidget& fenster, const QString& name) {
    fenster.show(); // lays out what sits in layouts
    return stehtWie(QString::asprintf("%dx%d\n", fenster.width(), fenster.height()) +
                        lageplan(fenster),
                    name + ".txt");
}
