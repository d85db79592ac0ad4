#pragma once

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QTimer>

#include <functional>

// Acts on the next modal dialog; one left open is closed a second later, so no test hangs.
inline void beiModalemDialog(std::function<void(QDialog*)> aktion) {
    auto* suche = new QTimer;
    QObject::connect(suche, &QTimer::timeout, suche, [suche, aktion] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        suche->deleteLater();
        suche->stop();
        auto* wache = new QTimer(dialog);
        QObject::connect(wache, &QTimer::timeout, dialog, [dialog] { dialog->reject(); });
        // A dialog object shown again must not be rejected by the guard of its last showing.
        QObject::connect(dialog, &QDialog::finished, wache, &QTimer::stop);
        QObject::connect(dialog, &QDialog::finished, wache, &QObject::deleteLater);
        wache->start(1000);
        aktion(dialog);
    });
    suche->start(10);
}

// Accepts the next message box; keeps its text if shown as plain text, as names must be.
inline void merkeMeldung(QString& text) {
    beiModalemDialog([&text](QDialog* d) {
        if (auto* m = qobject_cast<QMessageBox*>(d); m && m->textFormat() == Qt::PlainText)
            text = m->text();
        d->accept();
    });
}
