#pragma once

#include "KartenBild.h"
#include "glob/GlobModul.h"

#include <QImage>
#include <QWidget>

#include <array>

namespace zafku {

// One card slot: the card picture with its 25 field squares laid over it. Positions are
// given in twips of the container, as the window is designed.
class KartenSlot : public QWidget {
    Q_OBJECT
  public:
    struct Geometrie {
        int bildLinks, bildOben, bildGroesse;
        std::array<int, 5> spalten, zeilen;
        int feldGroesse;
    };
    static const Geometrie gross;
    static const Geometrie klein;

    KartenSlot(const Geometrie& geometrie, QWidget* parent);

    // The squares in picture pixels at 96 dpi, for drawing a card picture that fits.
    static KartenRaster raster(const Geometrie& g);

    // Card picture 0 to 4 (see kartenBild), drawn for this slot's size.
    void setzeBild(int index);
    // Field 1 to 25; repainted at once.
    void faerbeFeld(int feld, Farbe farbe);

  protected:
    void paintEvent(QPaintEvent*) override;
    // A new size draws the card pictures afresh rather than stretching the old ones.
    void resizeEvent(QResizeEvent*) override;

  private:
    QRect feldRechteck(int feld) const;

    Geometrie g_;
    std::array<QImage, 5> bilder_;
    int bild_ = -1;
    std::array<Farbe, 25> felder_;
};

} // namespace zafku
