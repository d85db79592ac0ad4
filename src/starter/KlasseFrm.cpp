#include "KlasseFrm.h"

#include "KlassenWahl.h"
#include "dialogs/Twips.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace zafku::starter {

KlasseFrm::KlasseFrm(const QString& appPfad, const QList<bericht::KlassenKind>& kinder,
                     QWidget* parent)
    : QDialog(parent), appPfad_(appPfad) {
    setWindowTitle(QStringLiteral("Klassenliste"));
    auto* hinweis = new QLabel(QStringLiteral(
        "Trag die Namen der Kinder ein, einen je Zeile. Danach wählen die Kinder ihren Namen "
        "im Startfenster mit der Maus aus. Beim Speichern bekommt jedes Kind seine "
        "Protokolldatei; sie bleibt das ganze Schuljahr gleich, auch wenn du einen Namen "
        "später verbesserst. Ein Kind streichen: seinen Namen löschen."));
    hinweis->setWordWrap(true);
    tabelle_ = new QTableWidget(0, 2);
    tabelle_->setHorizontalHeaderLabels({QStringLiteral("Name"), QStringLiteral("Protokolldatei")});
    tabelle_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    tabelle_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    tabelle_->setEditTriggers(QAbstractItemView::AllEditTriggers);
    for (const bericht::KlassenKind& k : kinder)
        zeile(k);
    leereZeileAmEnde();
    connect(tabelle_, &QTableWidget::itemChanged, this, &KlasseFrm::leereZeileAmEnde);
    // Enter takes the teacher straight on to the next name, as in a list on paper.
    connect(
        tabelle_->itemDelegate(), &QAbstractItemDelegate::closeEditor, this,
        [this](QWidget*, QAbstractItemDelegate::EndEditHint wie) {
            const int naechste = tabelle_->currentRow() + 1;
            if (wie != QAbstractItemDelegate::SubmitModelCache || naechste >= tabelle_->rowCount())
                return;
            // The new current cell opens its editor by itself.
            tabelle_->setCurrentCell(naechste, 0);
        },
        Qt::QueuedConnection);

    auto* knoepfe = new QDialogButtonBox(QDialogButtonBox::Save | QDialogButtonBox::Cancel);
    knoepfe->button(QDialogButtonBox::Save)->setText(QStringLiteral("&Speichern"));
    knoepfe->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("&Abbrechen"));
    connect(knoepfe, &QDialogButtonBox::accepted, this, [this] {
        if (speichern())
            accept();
    });
    connect(knoepfe, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(hinweis);
    layout->addWidget(tabelle_, 1);
    layout->addWidget(knoepfe);
    resize(QSize(520, 560) * massstab());
    tabelle_->setCurrentCell(tabelle_->rowCount() - 1, 0);
}

void KlasseFrm::zeile(const bericht::KlassenKind& kind) {
    const QSignalBlocker still(tabelle_);
    const int r = tabelle_->rowCount();
    tabelle_->insertRow(r);
    tabelle_->setItem(r, 0, new QTableWidgetItem(kind.name));
    auto* datei = new QTableWidgetItem(kind.datei);
    datei->setFlags(Qt::ItemIsEnabled);
    datei->setToolTip(QStringLiteral("Hier sammelt Zafku die Antworten des Kindes (im Ordner "
                                     "User, mit der Endung .tmp)."));
    tabelle_->setItem(r, 1, datei);
}

// There is always an empty row to type the next name into.
void KlasseFrm::leereZeileAmEnde() {
    const int r = tabelle_->rowCount();
    const QTableWidgetItem* letzte = r > 0 ? tabelle_->item(r - 1, 0) : nullptr;
    if (r == 0 || (letzte && !letzte->text().trimmed().isEmpty()))
        zeile({});
}

bool KlasseFrm::speichern() {
    QList<bericht::KlassenKind> zeilen;
    for (int r = 0; r < tabelle_->rowCount(); ++r) {
        const QTableWidgetItem* name = tabelle_->item(r, 0);
        const QTableWidgetItem* datei = tabelle_->item(r, 1);
        zeilen.append({name ? name->text() : QString(), datei ? datei->text() : QString()});
    }
    const KlassenEingabe ein = uebernimmKlasse(zeilen);
    QString fehler = ein.fehler;
    if (fehler.isEmpty())
        fehler = bericht::speichereKlassenliste(appPfad_, ein.kinder);
    if (fehler.isEmpty())
        return true;
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Zafku"), fehler, QMessageBox::Ok, this);
    box.setTextFormat(Qt::PlainText);
    box.exec();
    return false;
}

} // namespace zafku::starter
