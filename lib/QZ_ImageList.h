#pragma once

#include <QObject>
#include <QPixmap>
#include <vector>

class QPainter;

// A numbered set of small images of one size, drawn by number at a point.
// Controls keep a guarded pointer to it, so an image list destroyed elsewhere
// is forgotten rather than used after its end.
class TImageList : public QObject {
  Q_OBJECT

public:
  TImageList(int AWidth, int AHeight, QObject* AParent = nullptr);

  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  int Count() const { return int(FImages.size()); }

  // Appends an image, scaled to the list's size when it differs; returns its number.
  int Add(const QPixmap& AImage);
  const QPixmap& Image(int AIndex) const;

  // Draws image AIndex with its top left corner at (AX, AY); a number
  // outside the list draws nothing.
  void Draw(QPainter& ACanvas, int AX, int AY, int AIndex) const;

private:
  int FWidth;
  int FHeight;
  std::vector<QPixmap> FImages;
};
