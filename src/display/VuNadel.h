#pragma once

#include "game/VuMeter.h"

#include <QWidget>

namespace zafku {

// The dial's red needle and axle, laid over the dial picture. It takes no mouse input.
class VuNadel : public QWidget {
  public:
    // rahmen: the dial's place in window twips, which the widget covers.
    VuNadel(const VuRahmen& rahmen, QWidget* parent);

    void setzeLinie(const VuLinie& linie);
    const VuLinie& linie() const { return linie_; }

  protected:
    void paintEvent(QPaintEvent*) override;

  private:
    QPointF punkt(double x, double y) const;

    VuRahmen rahmen_;
    VuLinie linie_;
};

} // namespace zafku
