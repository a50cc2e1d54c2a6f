#include "QZ_ImageList.h"

#include "Errors.h"

#include <QPainter>

TImageList::TImageList(int AWidth, int AHeight, QObject* AParent)
    : QObject(AParent), FWidth(AWidth), FHeight(AHeight) {}

int TImageList::Add(const QPixmap& AImage) {
  if (AImage.size() == QSize(FWidth, FHeight)) {
    FImages.push_back(AImage);
  } else {
    FImages.push_back(AImage.scaled(FWidth, FHeight, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
  }
  return Count() - 1;
}

const QPixmap& TImageList::Image(int AIndex) const {
  if (AIndex < 0 || AIndex >= Count()) throw EListError(ListIndexErrorMessage(AIndex));
  return FImages[std::size_t(AIndex)];
}

void TImageList::Draw(QPainter& ACanvas, int AX, int AY, int AIndex) const {
  if (AIndex < 0 || AIndex >= Count()) return;
  ACanvas.drawPixmap(AX, AY, FImages[std::size_t(AIndex)]);
}
