#pragma once

#include <QWidget>
#include <vector>

// A bar of fixed height whose controls sit at design positions: each keeps
// its distance to the left edge, to the right edge (measured in the design
// width), or to both, stretching with the bar.
class TButtonBar : public QWidget {
public:
  enum TAnchor { akLeft, akRight, akLeftRight };

  TButtonBar(int ADesignWidth, int AHeight, QWidget* AParent = nullptr);

  // Places AControl at ALeft in the design width, AWidth wide; its top and
  // height are ATop and AHeight. The bar becomes its parent.
  void Place(QWidget* AControl, int ALeft, int AWidth, TAnchor AAnchor, int ATop, int AHeight);

protected:
  void resizeEvent(QResizeEvent* AEvent) override;

private:
  struct TPlacement {
    QWidget* Control;
    int Left;
    int Width;
    TAnchor Anchor;
    int Top;
    int Height;
  };

  void Arrange();

  int FDesignWidth;
  std::vector<TPlacement> FPlacements;
};
