#include "NamenKnoepfe.h"

#include "dialogs/Twips.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace zafku::starter {

namespace {

constexpr int kSpalten = 2;

} // namespace

NamenKnoepfe::NamenKnoepfe(QWidget* parent) : QWidget(parent) {
    auto* frage = new QLabel(QStringLiteral("Klick auf deinen Namen:"));
    QFont gross = frage->font();
    gross.setPointSizeF(gross.pointSizeF() * 1.3);
    gross.setBold(true);
    frage->setFont(gross);
    auto* flaeche = new QWidget;
    raster_ = new QGridLayout(flaeche);
    // A picked name must stand out at a glance, whatever the platform's style.
    flaeche->setStyleSheet(QStringLiteral(
        "QPushButton { background: #f4f4f4; border: 2px solid #999; border-radius: 8px; "
        "padding: 6px; } QPushButton:checked { background: #ffcc33; border-color: #a67c00; "
        "font-weight: bold; }"));
    auto* rollen = new QScrollArea;
    rollen->setWidget(flaeche);
    rollen->setWidgetResizable(true);
    rollen->setFrameShape(QFrame::NoFrame);
    status_ = new QLabel;
    status_->setObjectName(QStringLiteral("status"));
    status_->setWordWrap(true);
    status_->setTextFormat(Qt::PlainText);
    status_->setFont(gross);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(frage);
    layout->addWidget(rollen, 1);
    layout->addWidget(status_);
}

void NamenKnoepfe::setzeKlasse(const QList<bericht::KlassenKind>& kinder) {
    qDeleteAll(knoepfe_);
    knoepfe_.clear();
    wahl_ = NamenWahl(kinder);
    for (int i = 0; i < kinder.size(); ++i) {
        auto* k = new QPushButton(kinder[i].name);
        k->setCheckable(true);
        k->setObjectName(QStringLiteral("kind%1").arg(i));
        QFont f = k->font();
        f.setPointSizeF(f.pointSizeF() * 1.4);
        k->setFont(f);
        k->setMinimumHeight(qRound(48 * massstab()));
        k->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        // The button keeps its state from the rule, not from Qt's own toggling.
        connect(k, &QPushButton::clicked, this, [this, i] { getippt(i); });
        raster_->addWidget(k, i / kSpalten, i % kSpalten);
        knoepfe_.append(k);
    }
    raster_->setRowStretch(raster_->rowCount(), 1);
    getippt(-1);
}

void NamenKnoepfe::getippt(int kind) {
    const bool angenommen = wahl_.tippe(kind);
    for (int i = 0; i < knoepfe_.size(); ++i)
        knoepfe_[i]->setChecked(wahl_.gewaehlt(i));
    QStringList namen;
    for (const Spieler& s : wahl_.spieler())
        namen.append(s.name);
    if (kind >= 0 && !angenommen)
        status_->setText(
            QStringLiteral("Es können höchstens %1 Kinder zusammen spielen.").arg(maxSpieler));
    else if (namen.isEmpty())
        status_->setText(QStringLiteral("Noch niemand gewählt."));
    else
        status_->setText(
            (namen.size() == 1 ? QStringLiteral("Es spielt: %1") : QStringLiteral("Es spielen: %1"))
                .arg(namen.join(QStringLiteral(", "))));
}

} // namespace zafku::starter
