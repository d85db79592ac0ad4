#pragma once

#include "bericht/Klassenliste.h"

#include <QDialog>

class QTableWidget;

namespace zafku::starter {

// The teacher enters the class once: a name a row. A child's protocol file is shown
// beside its name once saved and then stays, even when the name is corrected.
class KlasseFrm : public QDialog {
    Q_OBJECT
  public:
    KlasseFrm(const QString& appPfad, const QList<bericht::KlassenKind>& kinder,
              QWidget* parent = nullptr);

    QTableWidget* tabelle() const { return tabelle_; }
    // Checks and saves the rows; false after a message.
    bool speichern();

  private:
    void zeile(const bericht::KlassenKind& kind);
    void leereZeileAmEnde();

    QString appPfad_;
    QTableWidget* tabelle_ = nullptr;
};

} // namespace zafku::starter
