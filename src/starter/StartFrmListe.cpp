#include "StartFrm.h"

#include "dialogs/TextLabel.h"
#include "dialogs/Twips.h"
#include "glob/GlobModul.h"
#include "help/HtmlHelpMod.h"
#include "platform/HostPath.h"
#include "platform/LaufzeitFehler.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

// The start window's list of what to practise, its search field and the picture of the choice.

namespace zafku::starter {

namespace {

const QSize kSymbol(44, 32);

QString bildPfad(const QString& appPfad, const QString& code) {
    return resolveHostPath(appPfad, QStringLiteral("Grafik/") + bausteinBildName(code));
}

} // namespace

QGroupBox* StartFrm::baueListe() {
    auto* links = new QGroupBox(QStringLiteral("Was soll geübt werden?"));
    filter_ = new QLineEdit;
    filter_->setObjectName(QStringLiteral("filter"));
    filter_->setPlaceholderText(QStringLiteral("Suchen, z. B. „langes i“ oder „ck“"));
    filter_->setClearButtonEnabled(true);
    liste_ = new QTreeWidget;
    liste_->setHeaderHidden(true);
    liste_->setIconSize(kSymbol * massstab());
    liste_->setRootIsDecorated(false);
    liste_->setMinimumWidth(qRound(430 * massstab()));
    hilfeBtn_ = new QPushButton(QStringLiteral("&Erklärung zur Übung …"));
    hilfeBtn_->setObjectName(QStringLiteral("erklaerung"));
    auto* linksLayout = new QVBoxLayout(links);
    linksLayout->addWidget(filter_);
    linksLayout->addWidget(liste_, 1);
    linksLayout->addWidget(hilfeBtn_, 0, Qt::AlignLeft);

    return links;
}

void StartFrm::baueAnzeige(QVBoxLayout* rechtsLayout) {
    bild_ = new QLabel;
    bild_->setAlignment(Qt::AlignCenter);
    bild_->setMinimumHeight(qRound(90 * massstab()));
    titel_ = textLabel(nullptr);
    titel_->setWordWrap(true);
    titel_->setAlignment(Qt::AlignCenter);
    QFont gross = titel_->font();
    gross.setPointSizeF(gross.pointSizeF() * 1.25);
    gross.setBold(true);
    titel_->setFont(gross);
    rechtsLayout->addWidget(bild_);
    rechtsLayout->addWidget(titel_);
}

void StartFrm::fuelleListe() {
    liste_->clear();
    try {
        tsp_ = bericht::leseTsp(appPfad_);
    } catch (const LaufzeitFehler& f) {
        status_->setText(QString(f.text()).replace(u'\r', u' '));
        spielenBtn_->setEnabled(false);
        return;
    }
    QTreeWidgetItem* gruppe = nullptr;
    for (const bericht::TspEintrag& e : tsp_) {
        if (e.ueberschrift) {
            gruppe = new QTreeWidgetItem(liste_, {e.titel});
            gruppe->setFlags(Qt::ItemIsEnabled);
            QFont f = gruppe->font(0);
            f.setBold(true);
            gruppe->setFont(0, f);
            continue;
        }
        auto* item = gruppe ? new QTreeWidgetItem(gruppe, {e.titel})
                            : new QTreeWidgetItem(liste_, {e.titel});
        item->setData(0, kCodeRolle, e.code);
        item->setData(0, kKatNrRolle, e.katNr);
        // A small picture is not enlarged by its icon, so it is scaled here.
        QPixmap bild(bildPfad(appPfad_, e.code));
        if (!bild.isNull()) {
            bild = bild.scaled(liste_->iconSize(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
            QIcon symbol(bild);
            symbol.addPixmap(bild, QIcon::Selected);
            item->setIcon(0, symbol);
        }
    }
    liste_->expandAll();
}

QString StartFrm::gewaehlterCode() const {
    const QTreeWidgetItem* item = liste_->currentItem();
    return item && !item->isHidden() ? item->data(0, kCodeRolle).toString() : QString();
}

void StartFrm::filtern(const QString& text) {
    QTreeWidgetItem* erste = nullptr;
    for (int g = 0; g < liste_->topLevelItemCount(); ++g) {
        QTreeWidgetItem* gruppe = liste_->topLevelItem(g);
        const auto pruefe = [&](QTreeWidgetItem* item, const QString& gruppenTitel) {
            bericht::TspEintrag e{item->text(0), item->data(0, kCodeRolle).toString(), false, 0};
            const bool passt = passtZuFilter(e, gruppenTitel, text);
            item->setHidden(!passt);
            if (passt && !erste)
                erste = item;
            return passt;
        };
        if (gruppe->childCount() == 0) {
            pruefe(gruppe, {});
            continue;
        }
        bool sichtbar = false;
        for (int i = 0; i < gruppe->childCount(); ++i)
            sichtbar |= pruefe(gruppe->child(i), gruppe->text(0));
        gruppe->setHidden(!sichtbar);
    }
    QTreeWidgetItem* aktuell = liste_->currentItem();
    if (!aktuell || aktuell->isHidden() || aktuell->data(0, kCodeRolle).isNull())
        liste_->setCurrentItem(erste);
    auswahlGeaendert();
}

void StartFrm::auswahlGeaendert() {
    const QTreeWidgetItem* item = liste_->currentItem();
    const QString code = gewaehlterCode();
    hilfeBtn_->setEnabled(!code.isEmpty());
    titel_->setText(code.isEmpty() ? QStringLiteral("Bitte links eine Übung wählen.")
                                   : item->text(0));
    const QPixmap bild = code.isEmpty() ? QPixmap() : QPixmap(bildPfad(appPfad_, code));
    bild_->setPixmap(bild.isNull() ? QPixmap() : bild.scaled(bild.size() * 2 * massstab()));
}

} // namespace zafku::starter
