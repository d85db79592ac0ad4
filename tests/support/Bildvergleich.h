#pragma once

#include <QDir>
#include <QImage>
#include <QWidget>

#include <gtest/gtest.h>

// What a window draws, against its stored picture in the area's bilder/ folder. To change
// one on purpose, ZAFKU_BILDER_NEU=1 stores the new ones: look at each before committing.
inline ::testing::AssertionResult siehtAusWie(QWidget& fenster, const QString& name) {
    fenster.show();
    const QImage ist = fenster.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QString datei = QStringLiteral(ZAFKU_BILDER "/%1.png").arg(name);
    if ((qEnvironmentVariableIsSet("ZAFKU_BILDER_NEU") && ist.save(datei)) ||
        QImage(datei).convertToFormat(QImage::Format_RGB32) == ist)
        return ::testing::AssertionSuccess();
    const QString neu = QDir::temp().filePath(QStringLiteral("zafku-%1.png").arg(name));
    ist.save(neu);
    return ::testing::AssertionFailure() << name.toStdString() << " is drawn differently from "
                                         << datei.toStdString() << ", see " << neu.toStdString();
}
