#include "ErgebnisFrm.h"

#include "dialogs/Groesse.h"
#include "platform/Sprachausgabe.h"
#include "speech/Vorleser.h"

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

ErgebnisFrm::ErgebnisFrm(const QList<ErgebnisZeile>& zeilen, Sprachausgabe* sprache,
                         QWidget* parent)
    : QDialog(parent), sprache_(sprache) {
    setWindowTitle(QStringLiteral("So hast du gespielt"));
    const QSize entwurf(640, 460);
    double faktor = gewaehlteGroesse();
    if (faktor <= 0) {
        const QScreen* s = QGuiApplication::primaryScreen();
        faktor = s ? passenderMassstab(entwurf, s->availableSize(), 0.6) : 1.0;
    }
    const double punkte = 15 * faktor;
    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(int(8 * faktor));
    for (const ErgebnisZeile& z : zeilen) {
        texte_.append(z.text);
        QLabel* l = nullptr;
        switch (z.art) {
        case ErgebnisZeile::Gewinner:
            l = zeile(z.text, punkte * 1.6, QStringLiteral("#b36b00"));
            l->setObjectName(QStringLiteral("gewinner"));
            break;
        case ErgebnisZeile::Name: {
            l = zeile(z.text, punkte * 1.4);
            QFont fett = l->font();
            fett.setBold(true);
            l->setFont(fett);
            break;
        }
        case ErgebnisZeile::Richtig:
            l = zeile(z.text, punkte, QStringLiteral("#2e7d32"));
            break;
        case ErgebnisZeile::Zafkus:
            l = zeile(z.text, punkte, QStringLiteral("#6a1b9a"));
            break;
        case ErgebnisZeile::Zurueck:
            l = zeile(z.text, punkte);
            break;
        case ErgebnisZeile::Gelernt:
            l = zeile(z.text, punkte, QStringLiteral("#1565c0"));
            break;
        }
        layout->addWidget(l);
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

void ErgebnisFrm::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    // The same choice as for the game's tasks: a child who has the tasks read hears this too.
    if (sprache_ && vorlesenGewaehlt())
        sprache_->sprich(texte_);
}

void ErgebnisFrm::hideEvent(QHideEvent* e) {
    // Whoever moves on does not want to hear the rest.
    if (sprache_)
        sprache_->verstumme();
    QDialog::hideEvent(e);
}

} // namespace zafku::starter
