#include "UButtonBar.h"

#include <algorithm>

TButtonBar::TButtonBar(int ADesignWidth, int AHeight, QWidget* AParent)
    : QWidget(AParent), FDesignWidth(ADesignWidth) {
  setFixedHeight(AHeight);
}

void TButtonBar::Place(QWidget* AControl, int ALeft, int AWidth, TAnchor AAnchor, int ATop, int AHeight) {
  AControl->setParent(this);
  FPlacements.push_back({AControl, ALeft, AWidth, AAnchor, ATop, AHeight});
  Arrange();
}

void TButtonBar::resizeEvent(QResizeEvent* AEvent) {
  QWidget::resizeEvent(AEvent);
  Arrange();
}

void TButtonBar::Arrange() {
  for (const TPlacement& placement : FPlacements) {
    const int rightMargin = FDesignWidth - (placement.Left + placement.Width);
    int left = placement.Left;
    int controlWidth = placement.Width;
    if (placement.Anchor == akRight) left = width() - rightMargin - placement.Width;
    if (placement.Anchor == akLeftRight) controlWidth = std::max(0, width() - rightMargin - placement.Left);
    placement.Control->setGeometry(left, placement.Top, controlWidth, placement.Height);
  }
}
