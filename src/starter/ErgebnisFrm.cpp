#include "ErgebnisFrm.h"

#include "dialogs/Groesse.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace zafku::starter {

namespace {

QLabel* zeile(const QString& text, double punkte, const QString& farbe = {}) {
    auto* l = new QLabel(text);
    QFont f = l->font();
    f.setPointSizeF(punkte);
    l->setFont(f);
    l->setWordWrap(true);
    l->setTextFormat(Qt::PlainText);
    if (!farbe.isEmpty())
        l->setStyleSheet(QStringLiteral("color: %1;").arg(farbe));
    return l;
}

} // namespace

ErgebnisFrm::ErgebnisFrm(const QList<KindErgebnis>& ergebnisse, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("So hast du gespielt"));
    const QSize entwurf(640, 420);
    double faktor = gewaehlteGroesse();
    if (faktor <= 0) {
        const QScreen* s = QGuiApplication::primaryScreen();
        faktor = s ? passenderMassstab(entwurf, s->availableSize(), 0.6) : 1.0;
    }
    const double punkte = 15 * faktor;
    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(int(8 * faktor));
    const QString sieger = gewinner(ergebnisse);
    if (!sieger.isEmpty()) {
        auto* l = zeile(QStringLiteral("%1 hat gewonnen!").arg(sieger), punkte * 1.6, "#b36b00");
        l->setObjectName(QStringLiteral("gewinner"));
        layout->addWidget(l);
    }
    for (const KindErgebnis& e : ergebnisse) {
        auto* name = zeile(e.name, punkte * 1.4);
        QFont fett = name->font();
        fett.setBold(true);
        name->setFont(fett);
        layout->addWidget(name);
        layout->addWidget(
            zeile(e.richtig == 1 ? QStringLiteral("1 Wort richtig geschrieben")
                                 : QStringLiteral("%1 Wörter richtig geschrieben").arg(e.richtig),
                  punkte, "#2e7d32"));
        if (!e.zurueck.isEmpty())
            layout->addWidget(zeile(QStringLiteral("Diese Wörter üben wir morgen noch einmal: %1")
                                        .arg(e.zurueck.join(QStringLiteral(", "))),
                                    punkte));
        if (!e.gelernt.isEmpty())
            layout->addWidget(zeile(QStringLiteral("Super, das kannst du jetzt: %1")
                                        .arg(e.gelernt.join(QStringLiteral(", "))),
                                    punkte, "#1565c0"));
    }
    auto* weiter = new QPushButton(QStringLiteral("&Weiter"));
    QFont f = weiter->font();
    f.setPointSizeF(punkte);
    weiter->setFont(f);
    weiter->setDefault(true);
    layout->addStretch();
    layout->addWidget(weiter, 0, Qt::AlignRight);
    connect(weiter, &QPushButton::clicked, this, &QDialog::accept);
    resize(entwurf * faktor);
}

} // namespace zafku::starter
