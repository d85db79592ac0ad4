#pragma once

#include "KlassenWahl.h"

#include <QWidget>

class QGridLayout;
class QLabel;
class QPushButton;

namespace zafku::starter {

// The class as large name buttons: each child touches its own name, one to four play.
class NamenKnoepfe : public QWidget {
    Q_OBJECT
  public:
    explicit NamenKnoepfe(QWidget* parent = nullptr);

    void setzeKlasse(const QList<bericht::KlassenKind>& kinder);
    QList<Spieler> spieler() const { return wahl_.spieler(); }
    QPushButton* knopf(int kind) const { return knoepfe_.value(kind); }

  private:
    void getippt(int kind);

    NamenWahl wahl_;
    QList<QPushButton*> knoepfe_;
    QGridLayout* raster_ = nullptr;
    QLabel* status_ = nullptr;
};

} // namespace zafku::starter
